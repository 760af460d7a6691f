#pragma once

#include "app/map/mapoverlay.h"

#include <QObject>
#include <QRect>
#include <QTimer>

// Marks a counter for a moment after it was found: its place in its stack blinks in a
// frame of two colours that every kind of colour vision tells from the map.
class CounterFlash : public QObject, public MapOverlay {
    Q_OBJECT
public:
    explicit CounterFlash(QObject* parent = nullptr);

    // The counter at `level` (0 the bottom) of a stack of `count` in the hex.
    void start(int hex, int level, int count);
    bool isFlashing() const { return timer_.isActive(); }
    // The counter's square in map pixels; empty when nothing flashes.
    QRect counterRect() const { return isFlashing() ? rect_ : QRect(); }

    void paint(QPainter& painter, const QRectF& exposed) override;

private:
    void blink();

    QTimer timer_;
    QRect rect_;
    int phase_ = 0;
};
