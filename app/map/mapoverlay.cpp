#include "app/map/mapoverlay.h"

#include "app/map/mapview.h"

MapOverlay::~MapOverlay() {
    if (view_)
        view_->removeOverlay(this);
}

void MapOverlay::requestRepaint(const QRectF& mapRect) {
    if (view_)
        view_->repaints().updateMapRect(mapRect);
}

void MapOverlay::requestRepaint(const std::vector<QRectF>& mapRects) {
    if (view_)
        view_->repaints().updateMapRects(mapRects);
}
