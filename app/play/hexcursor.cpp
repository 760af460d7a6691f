#include "app/play/hexcursor.h"

#include "geometry/hexgrid.h"

#include <QPainter>
#include <QPolygonF>
#include <QWidget>

#include <algorithm>

namespace {

QPolygonF outlineOf(int hex) {
    QPolygonF outline;
    for (const AFPoint& p : hexgrid::hexOutline(hex))
        outline << QPointF(p.x, p.y);
    return outline;
}

} // namespace

HexCursor::HexCursor(QWidget* map, std::function<int()> startHex)
    : QObject(map), startHex_(std::move(startHex)) {}

void HexCursor::setHex(int hex) {
    if (!hexgrid::isValidHex(hex))
        return;
    const int old = shown_ ? hex_ : -1;
    hex_ = hex;
    shown_ = true;
    if (old != hex) {
        repaintHex(old);
        repaintHex(hex);
    }
}

void HexCursor::hideOutline() {
    if (!shown_)
        return;
    shown_ = false;
    repaintHex(hex_);
}

void HexCursor::repaintHex(int hex) {
    if (hexgrid::isValidHex(hex))
        requestRepaint(outlineOf(hex).boundingRect().adjusted(-4, -4, 4, 4));
}

void HexCursor::paint(QPainter& painter, const QRectF& exposed) {
    if (!shown_ || !hexgrid::isValidHex(hex_))
        return;
    const QPolygonF outline = outlineOf(hex_);
    if (!outline.boundingRect().adjusted(-4, -4, 4, 4).intersects(exposed))
        return;
    // Black under yellow: seen on any map colour and by every kind of colour vision.
    QPen pen(Qt::black, 4);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    pen.setColor(QColor(0xFF, 0xD7, 0x00));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawPolygon(outline);
}

void HexCursor::enter() {
    if (!shown_)
        setHex(startHex_());
    emit enterPressed();
}

void HexCursor::step(int columns, int rows) {
    // The first key shows the cursor where the player was last (or in the middle of the
    // view) without moving it.
    if (!shown_ || hex_ == -1) {
        setHex(startHex_());
        emit stepped(hex_);
        return;
    }
    const int column = std::clamp(hexgrid::columnOf(hex_) + columns, 0, hexgrid::kColumns - 1);
    const int row = std::clamp(hexgrid::rowOf(hex_) + rows, 0, hexgrid::kRowsPerColumn - 1);
    setHex(hexgrid::hexIndexOf(column, row));
    emit stepped(hex_);
}
