#include "app/find/counterflash.h"

#include "board/hex.h"
#include "geometry/zekclick.h"

#include <QPainter>

namespace {

constexpr int kPhases = 8;
constexpr int kCounterSize = 24;

} // namespace

CounterFlash::CounterFlash(QObject* parent) : QObject(parent) {
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &CounterFlash::blink);
}

void CounterFlash::start(int hex, int level, int count) {
    requestRepaint(QRectF(rect_.adjusted(-6, -6, 6, 6)));
    const AFPoint p = ZeKClick(hex).position();
    // Where the hex draws that counter: one stack step further down per counter below it.
    rect_ = QRect(p.x, p.y + level * Hex::stepFor(count), kCounterSize, kCounterSize);
    phase_ = 0;
    timer_.start();
    requestRepaint(QRectF(rect_.adjusted(-6, -6, 6, 6)));
}

void CounterFlash::blink() {
    if (++phase_ >= kPhases)
        timer_.stop();
    requestRepaint(QRectF(rect_.adjusted(-6, -6, 6, 6)));
}

void CounterFlash::paint(QPainter& painter, const QRectF& exposed) {
    if (!timer_.isActive() || !exposed.intersects(QRectF(rect_.adjusted(-6, -6, 6, 6))))
        return;
    // Orange and blue swap places each blink.
    const QColor orange(0xE6, 0x9F, 0x00);
    const QColor blue(0x00, 0x72, 0xB2);
    const bool even = phase_ % 2 == 0;
    QPen outer(even ? orange : blue, 3);
    outer.setJoinStyle(Qt::MiterJoin);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outer);
    painter.drawRect(QRectF(rect_).adjusted(-3, -3, 3, 3));
    QPen inner(even ? blue : orange, 2);
    inner.setJoinStyle(Qt::MiterJoin);
    painter.setPen(inner);
    painter.drawRect(QRectF(rect_).adjusted(-0.5, -0.5, 0.5, 0.5));
}
