#include "mapoverlay.h"

#include "mapview.h"

MapOverlay::~MapOverlay() {
    if (view_)
        view_->removeOverlay(this);
}

void MapOverlay::requestRepaint(const QRectF& mapRect) {
    if (view_)
        view_->updateMapRect(mapRect);
}
