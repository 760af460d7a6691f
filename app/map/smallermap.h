#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include <vector>

class QPainter;

// The map made smaller by averaging (areaaverage.h), for the scales below 1. Made part by
// part as it is first painted, so a zoom step averages only what comes into view, and the
// rest between events; redone where the picture reports a change.
class SmallerMap {
public:
    SmallerMap();

    // Forgets the copy: another scale or picture.
    void drop();
    // A rectangle of the map picture changed (map pixels).
    void pictureChanged(const QRect& mapRect);
    // Paints `deviceRect` of `map` made smaller to `scale`, making what it needs first.
    void paint(QPainter& painter, const QRect& deviceRect, const QImage& map, qreal scale);
    qint64 heldBytes() const { return smaller_.sizeInBytes(); }

private:
    void fillSome();

    static constexpr int kIdleBandRows = 96;
    // The picture and scale the copy is made of, while it is.
    const QImage* map_ = nullptr;
    qreal scale_ = 1.0;
    QImage smaller_;
    // The part that holds the map's pixels.
    QRegion made_;
    QTimer idleFill_;
    std::vector<QRect> changed_;
};
