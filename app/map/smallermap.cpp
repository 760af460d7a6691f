#include "app/map/smallermap.h"

#include "app/map/areaaverage.h"

#include <QPainter>

#include <algorithm>

SmallerMap::SmallerMap() {
    idleFill_.setSingleShot(true);
    idleFill_.setInterval(0);
    QObject::connect(&idleFill_, &QTimer::timeout, &idleFill_, [this] { fillSome(); });
}

void SmallerMap::drop() {
    idleFill_.stop();
    smaller_ = QImage();
    made_ = QRegion();
    changed_.clear();
    map_ = nullptr;
}

void SmallerMap::pictureChanged(const QRect& mapRect) {
    if (smaller_.isNull())
        return;
    changed_.push_back(mapRect);
    if (changed_.size() > 64) {
        QRect around;
        for (const QRect& r : changed_)
            around |= r;
        changed_ = {around};
    }
}

void SmallerMap::paint(QPainter& painter, const QRect& deviceRect, const QImage& map, qreal scale) {
    if (smaller_.isNull()) {
        smaller_ = QImage(areaaverage::scaledSize(map.size(), scale), map.format());
        made_ = QRegion();
        changed_.clear();
    }
    map_ = &map;
    scale_ = scale;
    // Changes matter only where the copy was made; the rest is made when first shown.
    for (const QRect& mapRect : changed_) {
        const QRegion redo = made_ & areaaverage::affectedRect(mapRect, scale_, smaller_.size());
        for (const QRect& part : redo)
            areaaverage::shrinkInto(smaller_, map, scale_, part);
    }
    changed_.clear();
    // Whole bands of the map's width: few and large, so the averaging runs in long rows.
    const QRect band(0, deviceRect.top(), smaller_.width(), deviceRect.height());
    for (const QRect& part : QRegion(band) - made_)
        areaaverage::shrinkInto(smaller_, map, scale_, part);
    made_ += band;
    painter.drawImage(deviceRect.topLeft(), smaller_, deviceRect);
    if (made_ != QRegion(smaller_.rect()))
        idleFill_.start();
}

void SmallerMap::fillSome() {
    if (smaller_.isNull() || !map_)
        return;
    // The rest of the copy a band at a time between events, so that scrolling later finds
    // it made without making the window wait now.
    const QRegion missing = QRegion(smaller_.rect()) - made_;
    if (missing.isEmpty())
        return;
    const QRect first = *missing.begin();
    const QRect band(0, first.top(), smaller_.width(), std::min(first.height(), kIdleBandRows));
    for (const QRect& part : QRegion(band) - made_)
        areaaverage::shrinkInto(smaller_, *map_, scale_, part);
    made_ += band;
    if (made_ != QRegion(smaller_.rect()))
        idleFill_.start();
}
