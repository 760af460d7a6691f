#include "app/map/maprepaints.h"

#include "app/map/mapview.h"

#include <QRegion>

namespace {
// Up to this many changed rectangles are repainted one by one; more (an Open, a redraw of
// the whole board) are repainted as the one rectangle around their visible parts.
constexpr std::size_t kSeparateRepaints = 16;
} // namespace

MapRepaints::MapRepaints(MapView& view) : view_(view) {}

QRect MapRepaints::viewRectOf(const QRect& mapRect) const {
    const qreal scale = view_.mapScale();
    if (scale == 1.0)
        return mapRect;
    return QRectF(mapRect.x() * scale, mapRect.y() * scale, mapRect.width() * scale,
                  mapRect.height() * scale)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

void MapRepaints::updateMapRect(const QRectF& mapRect) {
    request(viewRectOf(mapRect.toAlignedRect()).intersected(view_.rect()));
}

void MapRepaints::updateMapRects(const std::vector<QRectF>& mapRects) {
    std::vector<QRect> parts;
    for (const QRectF& mapRect : mapRects)
        if (const QRect part = viewRectOf(mapRect.toAlignedRect()).intersected(view_.rect());
            !part.isEmpty())
            parts.push_back(part);
    requestAll(parts);
}

void MapRepaints::pictureChanged(const QRect& mapRect) {
    // A hex redrawn reports its counters inside its erased area; keep only the area.
    if (!changes_.empty() && changes_.back().contains(mapRect))
        return;
    changes_.push_back(mapRect);
    if (!queued_) {
        queued_ = true;
        QMetaObject::invokeMethod(this, &MapRepaints::repaintChanges, Qt::QueuedConnection);
    }
}

void MapRepaints::repaintAll() {
    changes_.clear();
    request(view_.rect());
}

void MapRepaints::repaintChanges() {
    queued_ = false;
    const QRect visible = view_.visibleRegion().boundingRect();
    std::vector<QRect> shown;
    for (const QRect& change : changes_)
        if (const QRect part = viewRectOf(change).intersected(visible); !part.isEmpty())
            shown.push_back(part);
    const bool changed = !changes_.empty();
    changes_.clear();
    requestAll(shown);
    if (changed)
        emit mapChanged();
}

void MapRepaints::requestAll(const std::vector<QRect>& parts) {
    if (parts.size() <= kSeparateRepaints) {
        for (const QRect& part : parts)
            request(part);
        return;
    }
    QRect around;
    for (const QRect& part : parts)
        around |= part;
    request(around);
}

void MapRepaints::request(const QRect& viewRect) {
    // Setting up a window and opening a file each ask for the whole view several times
    // before it paints once: one request covers them all.
    if (viewRect.isEmpty() || unpaintedWhole_.contains(viewRect))
        return;
    if (viewRect.contains(view_.rect()))
        unpaintedWhole_ = viewRect;
    ++updateRequests_;
    view_.update(viewRect);
}

void MapRepaints::painted(const QRegion& region, quint64 arrivals) {
    unpaintedWhole_ = {};
    paintedArrivals_ = arrivals;
    for (const QRect& rect : region)
        paintedPixels_ += qint64(rect.width()) * rect.height();
}
