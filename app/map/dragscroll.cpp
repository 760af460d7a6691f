#include "app/map/dragscroll.h"

#include "app/map/mapscroller.h"

#include <QAbstractScrollArea>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// How near the viewport's edge a dragged counter starts the view scrolling, how often it
// scrolls, and how fast at most (viewport pixels a step).
constexpr int kMargin = 24;
constexpr int kInterval = 25;
constexpr int kFastest = 40;

int speedAt(qreal position, int length) {
    qreal beyond = 0.0;
    if (position < kMargin)
        beyond = position - kMargin;
    else if (position > length - kMargin)
        beyond = position - (length - kMargin);
    if (beyond == 0.0)
        return 0;
    // Faster the further in (or out of the window): a little at the edge, quick beyond it.
    const int speed = std::min(kFastest, 2 + static_cast<int>(std::abs(beyond)) / 2);
    return beyond < 0.0 ? -speed : speed;
}

} // namespace

DragScroll::DragScroll(QWidget& view, MapScroller& scroller) : view_(view), scroller_(scroller) {
    timer_.setInterval(kInterval);
    connect(&timer_, &QTimer::timeout, this, &DragScroll::step);
}

void DragScroll::setOn(bool on) {
    on_ = on;
    if (!on) {
        timer_.stop();
        speed_ = {};
    }
}

void DragScroll::follow(const QPointF& viewPos) {
    if (!on_)
        return;
    const QAbstractScrollArea* area = scroller_.area();
    if (!area || !view_.isVisible()) {
        timer_.stop();
        return;
    }
    viewportPos_ = viewPos + QPointF(view_.pos());
    const QSize size = area->viewport()->size();
    speed_ =
        QPoint(speedAt(viewportPos_.x(), size.width()), speedAt(viewportPos_.y(), size.height()));
    if (speed_.isNull())
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

void DragScroll::step() {
    const QPoint before = view_.pos();
    scroller_.scrollBy(speed_.x(), speed_.y());
    if (view_.pos() == before) {
        timer_.stop(); // at the map's edge
        return;
    }
    emit pointerMoved(viewportPos_ - QPointF(view_.pos()));
}
