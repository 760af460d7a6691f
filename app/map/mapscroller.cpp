#include "app/map/mapscroller.h"

#include "app/map/keptscrollbarstyle.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
// The scroll box's step, which the arrow keys scroll by.
constexpr int kLineStep = 20;
} // namespace

MapScroller::MapScroller(MapView& view) : view_(view) {
    // The view is put into its scroll box after it is made.
    view_.installEventFilter(this);
}

QAbstractScrollArea* MapScroller::area() const {
    QWidget* viewport = view_.parentWidget();
    return viewport ? qobject_cast<QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
}

bool MapScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::ParentChange)
        watchArea();
    else if (watched_ && watched == watched_->viewport() && event->type() == QEvent::Resize)
        emit visibleAreaChanged();
    return QObject::eventFilter(watched, event);
}

void MapScroller::watchArea() {
    QAbstractScrollArea* box = area();
    if (box == watched_)
        return;
    if (watched_)
        watched_->viewport()->removeEventFilter(this);
    watched_ = box;
    if (!box)
        return;
    // Owned by the scroll box, which its bars do not outlive.
    auto* barStyle = new KeptScrollBarStyle(box);
    for (QScrollBar* bar : {box->horizontalScrollBar(), box->verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &MapScroller::visibleAreaChanged);
        bar->setStyle(barStyle);
    }
    box->viewport()->installEventFilter(this);
}

QPoint MapScroller::position() const {
    const QAbstractScrollArea* box = area();
    return box ? QPoint(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value())
               : QPoint();
}

void MapScroller::setPosition(const QPoint& position) {
    if (QAbstractScrollArea* box = area()) {
        box->horizontalScrollBar()->setValue(position.x());
        box->verticalScrollBar()->setValue(position.y());
    }
}

void MapScroller::scrollBy(int dx, int dy) {
    if (QAbstractScrollArea* box = area()) {
        box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->value() + dx);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->value() + dy);
    }
}

void MapScroller::scrollLines(int dx, int dy) {
    scrollBy(dx * kLineStep, dy * kLineStep);
}

void MapScroller::scrollPages(int dx, int dy) {
    if (const QAbstractScrollArea* box = area())
        scrollBy(dx * box->horizontalScrollBar()->pageStep(),
                 dy * box->verticalScrollBar()->pageStep());
}

void MapScroller::placeMapPoint(const QPointF& mapPoint, const QPointF& viewportPos) {
    const QPointF at = view_.viewPointOf(mapPoint) - viewportPos;
    setPosition(
        QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))));
}

void MapScroller::centreOn(const QPointF& mapPoint) {
    if (const QAbstractScrollArea* box = area())
        placeMapPoint(mapPoint, QRectF(box->viewport()->rect()).center());
}

void MapScroller::ensureVisible(const QRectF& mapRect, int margin) {
    const QAbstractScrollArea* box = area();
    if (!box)
        return;
    const QRectF wanted = QRectF(view_.viewportPointOf(mapRect.topLeft()),
                                 view_.viewportPointOf(mapRect.bottomRight()))
                              .adjusted(-margin, -margin, margin, margin);
    const QRectF shown(box->viewport()->rect());
    int dx = 0;
    int dy = 0;
    if (wanted.left() < shown.left())
        dx = static_cast<int>(std::floor(wanted.left() - shown.left()));
    else if (wanted.right() > shown.right())
        dx = static_cast<int>(
            std::ceil(std::min(wanted.right() - shown.right(), wanted.left() - shown.left())));
    if (wanted.top() < shown.top())
        dy = static_cast<int>(std::floor(wanted.top() - shown.top()));
    else if (wanted.bottom() > shown.bottom())
        dy = static_cast<int>(
            std::ceil(std::min(wanted.bottom() - shown.bottom(), wanted.top() - shown.top())));
    scrollBy(dx, dy);
}

qreal MapScroller::fitWidthScale(const QSize& mapSize) const {
    const QAbstractScrollArea* box = area();
    if (!box || mapSize.isEmpty())
        return 1.0;
    // The map is taller than it is wide, so its width shares the view with a scroll bar.
    const int width =
        box->maximumViewportSize().width() - box->verticalScrollBar()->sizeHint().width();
    return std::clamp(qreal(width) / mapSize.width(), Zoom::kMinimum, Zoom::kMaximum);
}

qreal MapScroller::fitWindowScale(const QSize& mapSize) const {
    const QAbstractScrollArea* box = area();
    if (!box || mapSize.isEmpty())
        return 1.0;
    const QSize size = box->maximumViewportSize();
    return std::clamp(
        std::min(qreal(size.width()) / mapSize.width(), qreal(size.height()) / mapSize.height()),
        Zoom::kMinimum, Zoom::kMaximum);
}
