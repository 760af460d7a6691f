#include "app/pictures/tagart.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <stdexcept>

namespace tagart {
namespace {

// A die is a 7 x 7 face with a one-pixel shadow along its right and bottom edges; the
// odd face size gives every value a true centre pip on the grid {1, 3, 5}.
using Pips = std::array<const char*, 7>;
constexpr std::array<Pips, 6> kFaces{{
    {".......", ".......", ".......", "...o...", ".......", ".......", "......."},
    {".......", ".o.....", ".......", ".......", ".......", ".....o.", "......."},
    {".......", ".o.....", ".......", "...o...", ".......", ".....o.", "......."},
    {".......", ".o...o.", ".......", ".......", ".......", ".o...o.", "......."},
    {".......", ".o...o.", ".......", "...o...", ".......", ".o...o.", "......."},
    {".......", ".o...o.", ".......", ".o...o.", ".......", ".o...o.", "......."},
}};

struct DieColours {
    QRgb face;
    QRgb pip;
    QRgb shadow;
};

DieColours coloursOf(DieFamily family) {
    if (family == DieFamily::Own)
        return {qRgb(248, 246, 236), qRgb(16, 16, 16), qRgb(40, 40, 40)};
    return {qRgb(200, 34, 28), qRgb(255, 255, 255), qRgb(80, 8, 6)};
}

// The digit "1" of the first marker, drawn two pixels wide.
constexpr std::array<const char*, 8> kOne{"..##..", ".###..", "..##..", "..##..",
                                          "..##..", "..##..", "..##..", ".####."};
// The arrow of the second marker, pointing down.
constexpr std::array<const char*, 8> kDownArrow{"..##..", "..##..", "..##..", "..##..",
                                                "######", ".####.", "..##..", "......"};

QImage badge(QRgb ground, QRgb ink, const std::array<const char*, 8>& sign) {
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    for (int y = 1; y < kMarkerSize - 1; ++y)
        for (int x = 1; x < kMarkerSize - 1; ++x)
            image.setPixel(x, y, ground);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 6; ++column)
            if (sign[row][column] == '#')
                image.setPixel(3 + column, 2 + row, ink);
    return image;
}

int sideAt(int side, qreal scale) {
    return static_cast<int>(std::ceil(side * scale));
}

// The die of the pixel pattern drawn as shapes: the face, its shadow and round pips.
QImage drawnDie(const Pips& face, const DieColours& colours, qreal scale) {
    QImage image(sideAt(kDieSize, scale), sideAt(kDieSize, scale), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(colours.shadow));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, 7, 7), QColor::fromRgb(colours.face));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(colours.pip));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (face[y][x] == 'o')
                painter.drawEllipse(QPointF(x + 0.5, y + 0.5), 0.75, 0.75);
    return image;
}

// The badge of the pixel pattern drawn as shapes: the "1" in a bold face, the arrow as a
// shaft and a head.
QImage drawnBadge(int state, QRgb ground, QRgb ink, qreal scale) {
    QImage image(sideAt(kMarkerSize, scale), sideAt(kMarkerSize, scale), QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(1, 1, kMarkerSize - 2, kMarkerSize - 2), QColor::fromRgb(ground));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(ink));
    if (state == 1) {
        // The pattern's strokes: the stem, its flag and the foot.
        painter.drawRect(QRectF(5, 2, 2, 8));
        painter.drawPolygon(
            QPolygonF({QPointF(5, 2), QPointF(5, 4.2), QPointF(3.6, 4.6), QPointF(3.6, 3.4)}));
        painter.drawRect(QRectF(4, 9, 4, 1));
    } else {
        painter.drawRect(QRectF(5, 2, 2, 4.5));
        painter.drawPolygon(QPolygonF({QPointF(3, 6.5), QPointF(9, 6.5), QPointF(6, 9.6)}));
    }
    return image;
}

} // namespace

QImage diePicture(int value, DieFamily family, qreal scale) {
    if (value < 1 || value > 6)
        throw std::out_of_range("a die shows 1 to 6");
    const DieColours colours = coloursOf(family);
    if (scale != 1.0)
        return drawnDie(kFaces[static_cast<std::size_t>(value - 1)], colours, scale);
    QImage image(kDieSize, kDieSize, QImage::Format_RGB32);
    image.fill(colours.shadow);
    const Pips& face = kFaces[static_cast<std::size_t>(value - 1)];
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixel(x, y, face[y][x] == 'o' ? colours.pip : colours.face);
    return image;
}

QImage markerPicture(int state, qreal scale) {
    if (state != 1 && state != 2)
        throw std::out_of_range("markers are 1 and 2");
    const QRgb ground = state == 1 ? qRgb(255, 214, 10) : qRgb(206, 24, 24);
    const QRgb ink = state == 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    if (scale != 1.0)
        return drawnBadge(state, ground, ink, scale);
    return badge(ground, ink, state == 1 ? kOne : kDownArrow);
}

} // namespace tagart
