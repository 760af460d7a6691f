#include "app/map/zoomanchor.h"

#include "app/map/mapview.h"
#include "app/map/zoom.h"

#include <QAbstractScrollArea>
#include <QWheelEvent>

#include <cmath>

namespace {
// One notch of a wheel.
constexpr int kWheelNotch = 120;
} // namespace

ZoomAnchor::ZoomAnchor(MapView& view, Zoom& zoom) : view_(view), zoom_(zoom) {
    view_.installEventFilter(this);
}

ZoomAnchor::Kept ZoomAnchor::kept(qreal scale) {
    const QAbstractScrollArea* area = view_.scroller().area();
    const QPointF anchor = anchor_ ? *anchor_
                           : area  ? QRectF(area->viewport()->rect()).center()
                                   : QPointF();
    const QPointF mapPoint = mapPoint_ ? *mapPoint_ : (anchor - QPointF(view_.pos())) / shownScale_;
    shownScale_ = scale;
    return {mapPoint, anchor};
}

bool ZoomAnchor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_ || event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false; // the view ignores it, and the scroll box scrolls
    wheelSteps_ += wheel->angleDelta().y();
    const QPointF anchor = wheel->position() + QPointF(view_.pos());
    mapPoint_ = (anchor - QPointF(view_.pos())) / shownScale_;
    while (std::abs(wheelSteps_) >= kWheelNotch) {
        const bool in = wheelSteps_ > 0;
        wheelSteps_ += in ? -kWheelNotch : kWheelNotch;
        anchor_ = anchor;
        in ? zoom_.zoomIn() : zoom_.zoomOut();
        anchor_.reset();
    }
    mapPoint_.reset();
    wheel->accept();
    return true;
}
