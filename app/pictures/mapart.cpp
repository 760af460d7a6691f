#include "app/pictures/mapart.h"

#include "app/pictures/artfonts.h"
#include "app/pictures/mapcaptions.h"
#include "app/pictures/mapterrain.h"
#include "geometry/hexgrid.h"

#include <QPainter>
#include <QPainterPath>

namespace mapart {
namespace {

using namespace hexgrid;

const QColor kBoardGrid(52, 46, 34);
const QColor kHoldingGrid(112, 118, 126);
const QColor kHoldingGround(218, 222, 226);
const QColor kHoldingStripe(207, 212, 218);
const QColor kHoldingHeading(180, 188, 198);
const QColor kLandCaption(40, 36, 26);
const QColor kSeaCaption(24, 56, 92);
const QColor kBoardEdge(58, 50, 36);

constexpr int kFirstHoldingColumn = kBoardColumns;

QPolygonF hexPolygon(int hexIndex) {
    QPolygonF polygon;
    for (const AFPoint& p : hexOutline(hexIndex))
        polygon << QPointF(p.x, p.y);
    return polygon;
}

// The zigzag where the board ends: the right edges of column Y's hexes, then straight
// down to the bottom of the picture.
QPolygonF boardEdge() {
    QPolygonF edge;
    const int column = kBoardColumns - 1;
    for (int row = 0; row < kRowsPerColumn; ++row) {
        const AFPoint p = hexPosition(hexIndexOf(column, row));
        edge << QPointF(p.x + kTopEdgeWidth, p.y)
             << QPointF(p.x + kTopEdgeWidth + kSideOverhang, p.y + kHalfHeight);
    }
    const AFPoint last = hexPosition(hexIndexOf(column, kRowsPerColumn - 1));
    edge << QPointF(last.x + kTopEdgeWidth, last.y + kHexHeight)
         << QPointF(last.x + kTopEdgeWidth, kHeight);
    return edge;
}

// The board columns' side of the board edge.
QPolygonF boardArea() {
    QPolygonF area = boardEdge();
    area << QPointF(-10, kHeight + 10) << QPointF(-10, -10) << QPointF(area.first().x(), -10);
    return area;
}

// Off board: a plain ground with every other column shaded and a faint heading, so no one
// takes it for part of Italy.
void paintHoldingArea(QPainter& painter) {
    QPolygonF area = boardEdge();
    area << QPointF(kWidth + 10, kHeight + 10) << QPointF(kWidth + 10, -10)
         << QPointF(area.first().x(), -10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHoldingGround);
    painter.drawPolygon(area);
    painter.setBrush(kHoldingStripe);
    for (int column = kFirstHoldingColumn + 1; column < kColumns; column += 2)
        for (int row = 0; row < kRowsPerColumn; ++row)
            painter.drawPolygon(hexPolygon(hexIndexOf(column, row)));

    painter.setPen(kHoldingHeading);
    const QRectF band(QPointF(area.first().x() + 20, 0), QPointF(kWidth - 20, 0));
    for (int y : {40, 930, 1820}) {
        painter.setFont(artfonts::serif(46, true));
        painter.drawText(QRectF(band.left(), y, band.width(), 60), Qt::AlignCenter,
                         QStringLiteral("OFF BOARD"));
        painter.setFont(artfonts::serif(26, false, true));
        painter.drawText(QRectF(band.left(), y + 58, band.width(), 36), Qt::AlignCenter,
                         QStringLiteral("Holding area"));
    }
}

// The grid goes into a layer of its own in one opaque colour, then onto the map at part
// strength: an edge that two neighbouring hexes both draw is no darker than the others.
void paintGrid(QPainter& painter, const QRect& area) {
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter grid(&layer);
        grid.translate(-area.topLeft());
        for (int hex = 0; hex < kHexCount; ++hex) {
            grid.setPen(isOnBoard(hex) ? kBoardGrid : kHoldingGrid);
            grid.drawPolyline(hexPolygon(hex));
        }
    }
    painter.save();
    painter.resetTransform();
    painter.setOpacity(0.5);
    painter.drawImage(0, 0, layer);
    painter.restore();
}

bool looksLikeSea(const QImage& image, const QPoint& at) {
    if (!image.rect().contains(at))
        return false;
    const QColor c = image.pixelColor(at);
    return c.blue() > c.red() + 25;
}

// Each board hex's letter and number, low in the hex: a counter covers the top 24 pixels
// of its hex and the combat tags sit at the top corners, so this spot stays readable.
void paintCaptions(QPainter& painter, const QImage& image, const QRect& area) {
    painter.setFont(artfonts::condensed(8));
    for (int hex = 0; hex < kHexCount; ++hex) {
        if (!isOnBoard(hex))
            continue;
        const QRect box = mapcaptions::captionBox(hex);
        if (!box.intersects(area))
            continue;
        const bool sea = looksLikeSea(image, box.center() - area.topLeft());
        painter.setPen(sea ? kSeaCaption : kLandCaption);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, mapcaptions::caption(hex));
    }
}

} // namespace

QImage drawMapArea(const QRect& area) {
    QImage image(area.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    mapterrain::paintTerrain(painter, area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintHoldingArea(painter);
    paintGrid(painter, area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setClipRegion(QRegion(boardArea().toPolygon()));
    mapterrain::paintPlaceNames(painter);
    painter.restore();
    painter.setPen(QPen(kBoardEdge, 2.0));
    painter.drawPolyline(boardEdge());
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCaptions(painter, image, area);
    painter.end();
    return image;
}

QImage drawMap() {
    return drawMapArea(QRect(0, 0, kWidth, kHeight));
}

} // namespace mapart
