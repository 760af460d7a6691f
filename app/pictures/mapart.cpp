#include "app/pictures/mapart.h"

#include "app/pictures/artfonts.h"
#include "app/pictures/mapcaptions.h"
#include "app/pictures/mapterrain.h"
#include "base/residentmemory.h"
#include "geometry/hexgrid.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

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
// How far a caption's middle may lie from a pixel of its box, with room to spare: half a box
// across (28 wide), and up and down half a box (10 high) and the letters standing above it.
// The rows matter most: a zoomed map is drawn in bands two tiles high.
constexpr int kCaptionMarginAcross = 16;
constexpr int kCaptionMarginUpDown = 8;

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

// The part of the picture being drawn: `device` in pixels of the picture drawn at `scale`,
// and the map picture's coordinates it covers.
struct Frame {
    QRect device;
    qreal scale = 1.0;

    QRectF area() const {
        return {device.x() / scale, device.y() / scale, device.width() / scale,
                device.height() / scale};
    }
};

// The hexes whose outline, with a pixel to spare, reaches into `area`.
template <typename Visit> void forHexesIn(const QRectF& area, Visit visit) {
    const int firstColumn =
        std::max(0, static_cast<int>(std::floor((area.left() - 2) / kColumnPitch)));
    const int lastColumn =
        std::min(kColumns - 1,
                 static_cast<int>(std::floor((area.right() + kSideOverhang + 2) / kColumnPitch)));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int shift = column % 2 != 0 ? kHalfHeight : 0;
        const int firstRow =
            std::max(0, static_cast<int>(std::floor((area.top() - shift - 2) / kHexHeight)));
        const int lastRow =
            std::min(kRowsPerColumn - 1,
                     static_cast<int>(std::floor((area.bottom() - shift + 2) / kHexHeight)));
        for (int row = firstRow; row <= lastRow; ++row)
            visit(hexIndexOf(column, row));
    }
}

// The holding area's three headings, each with its letters' reach to spare.
constexpr int kHeadingReach = 30;
std::vector<QRectF> headingBoxes() {
    const qreal left = boardEdge().first().x() + 20;
    const QRectF band(QPointF(left, 0), QPointF(kWidth - 20, 0));
    std::vector<QRectF> boxes;
    for (int y : {40, 930, 1820})
        boxes.push_back(
            QRectF(band.left(), y, band.width(), 94)
                .adjusted(-kHeadingReach, -kHeadingReach, kHeadingReach, kHeadingReach));
    return boxes;
}

// Off board: a plain ground with every other column shaded and a faint heading, so no one
// takes it for part of Italy.
void paintHoldingArea(QPainter& painter, const QRectF& area) {
    QPolygonF ground = boardEdge();
    ground << QPointF(kWidth + 10, kHeight + 10) << QPointF(kWidth + 10, -10)
           << QPointF(ground.first().x(), -10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHoldingGround);
    painter.drawPolygon(ground);
    painter.setBrush(kHoldingStripe);
    forHexesIn(area, [&painter](int hex) {
        const int column = hex / kRowsPerColumn;
        if ((column - kFirstHoldingColumn) % 2 == 1)
            painter.drawPolygon(hexPolygon(hex));
    });

    painter.setPen(kHoldingHeading);
    for (const QRectF& heading : headingBoxes()) {
        // A part that misses a heading skips its text.
        if (!heading.intersects(area))
            continue;
        const QRectF box =
            heading.adjusted(kHeadingReach, kHeadingReach, -kHeadingReach, -kHeadingReach);
        painter.setFont(artfonts::serif(46, true));
        painter.drawText(QRectF(box.left(), box.top(), box.width(), 60), Qt::AlignCenter,
                         QCoreApplication::translate("MapArt", "OFF BOARD"));
        painter.setFont(artfonts::serif(26, false, true));
        painter.drawText(QRectF(box.left(), box.top() + 58, box.width(), 36), Qt::AlignCenter,
                         QCoreApplication::translate("MapArt", "Holding area"));
    }
}

// The grid goes into a layer of its own in one opaque colour, then onto the map at part
// strength: an edge that two neighbouring hexes both draw is no darker than the others. The
// layer takes a strip of rows at a time: one as large as the part drawn would be as large as
// the drawing itself, and two workers drawing bands at a high scale would hold both.
constexpr int kGridStripRows = 128;

void paintGrid(QPainter& painter, const Frame& frame) {
    const int height = frame.device.height();
    // Zeroed memory is transparent.
    QImage layer = residentmemory::image(frame.device.width(), std::min(kGridStripRows, height),
                                         QImage::Format_ARGB32_Premultiplied);
    painter.save();
    painter.resetTransform();
    painter.setOpacity(0.5);
    for (int top = 0; top < height; top += layer.height()) {
        const QRect strip(frame.device.left(), frame.device.top() + top, frame.device.width(),
                          std::min(layer.height(), height - top));
        if (top > 0)
            layer.fill(Qt::transparent);
        {
            QPainter grid(&layer);
            grid.translate(-strip.topLeft());
            if (frame.scale != 1.0)
                grid.scale(frame.scale, frame.scale);
            forHexesIn(Frame{strip, frame.scale}.area(), [&grid](int hex) {
                grid.setPen(isOnBoard(hex) ? kBoardGrid : kHoldingGrid);
                grid.drawPolyline(hexPolygon(hex));
            });
        }
        painter.drawImage(QPoint(0, top), layer, QRect(QPoint(), strip.size()));
    }
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
void paintCaptions(QPainter& painter, const QImage& image, const Frame& frame) {
    painter.setFont(artfonts::condensed(8));
    const QRectF area = frame.area();
    forHexesIn(area, [&](int hex) {
        if (!isOnBoard(hex))
            return;
        const QRect box = mapcaptions::captionBox(hex);
        if (!QRectF(box).intersects(area))
            return;
        const QPoint centre = frame.scale == 1.0 ? box.center() - frame.device.topLeft()
                                                 : (QPointF(box.center()) * frame.scale).toPoint() -
                                                       frame.device.topLeft();
        painter.setPen(looksLikeSea(image, centre) ? kSeaCaption : kLandCaption);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, mapcaptions::caption(hex));
    });
}

// The whole map drawing over `frame`, into `image` of the frame's size.
void paintMap(QImage& image, const Frame& frame) {
    const bool ownScale = frame.scale == 1.0;
    const QRectF area = frame.area();
    QPainter painter(&image);
    painter.translate(-frame.device.topLeft());
    if (!ownScale)
        painter.scale(frame.scale, frame.scale);
    painter.setRenderHint(QPainter::Antialiasing);
    if (ownScale)
        mapterrain::paintTerrain(painter, frame.device);
    else
        mapterrain::paintTerrainScaled(painter, area);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintHoldingArea(painter, area);
    paintGrid(painter, frame);
    painter.setRenderHint(QPainter::Antialiasing);
    // The names stay on the board; most parts of a zoomed map hold none, and spare the clip.
    if (const QRectF names = ownScale ? QRectF() : area; mapterrain::placeNamesReach(names)) {
        painter.save();
        static const QRegion board(boardArea().toPolygon());
        painter.setClipRegion(board);
        mapterrain::paintPlaceNames(painter, names);
        painter.restore();
    }
    painter.setPen(QPen(kBoardEdge, 2.0));
    if (const QPolygonF edge = boardEdge();
        edge.boundingRect().adjusted(-3, -3, 3, 3).intersects(area))
        painter.drawPolyline(edge);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCaptions(painter, image, frame);
    painter.end();
}

} // namespace

QImage drawMapArea(const QRect& area) {
    QImage image(area.size(), QImage::Format_RGB32);
    paintMap(image, Frame{area, 1.0});
    return image;
}

QImage drawScaledMapArea(const QRect& deviceArea, qreal scale) {
    if (scale == 1.0)
        return drawMapArea(deviceArea);
    // A margin around the part asked for, so that every caption reaching into it finds
    // the ground under its middle, as in the whole picture.
    const int across = static_cast<int>(std::ceil(kCaptionMarginAcross * scale));
    const int upDown = static_cast<int>(std::ceil(kCaptionMarginUpDown * scale));
    const QRect device = deviceArea.adjusted(-across, -upDown, across, upDown);
    auto drawn = std::make_unique<QImage>(
        residentmemory::image(device.width(), device.height(), QImage::Format_RGB32));
    if (drawn->isNull())
        return {};
    paintMap(*drawn, Frame{device, scale});
    // The part asked for in the drawing's own pixels, not a copy of them: fresh memory costs
    // a page fault for every 4 KB (the drawing is in huge pages), and the caller cuts tiles
    // out of it anyway.
    const uchar* part = drawn->constScanLine(upDown) + across * sizeof(QRgb);
    const qsizetype stride = drawn->bytesPerLine();
    QImage* owner = drawn.release();
    return QImage(
        part, deviceArea.width(), deviceArea.height(), stride, QImage::Format_RGB32,
        [](void* picture) { delete static_cast<QImage*>(picture); }, owner);
}

QImage drawMap() {
    return drawMapArea(QRect(0, 0, kWidth, kHeight));
}

void relabel(QImage& map) {
    if (QCoreApplication::translate("MapArt", "OFF BOARD") == QLatin1String("OFF BOARD") &&
        QCoreApplication::translate("MapArt", "Holding area") == QLatin1String("Holding area"))
        return;
    QPainter painter(&map);
    // The board's hexes, captions and edge stay as they were drawn.
    painter.setClipRegion(QRegion(map.rect()) - QRegion(boardArea().toPolygon()));
    for (const QRectF& heading : headingBoxes()) {
        const QRect box = heading.toAlignedRect().intersected(map.rect());
        painter.drawImage(box.topLeft(), drawMapArea(box));
    }
}

} // namespace mapart
