#include "app/pictures/tagart.h"

#include <QPainter>

#include <array>
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

} // namespace

QImage diePicture(int value, DieFamily family) {
    if (value < 1 || value > 6)
        throw std::out_of_range("a die shows 1 to 6");
    const DieColours colours = coloursOf(family);
    QImage image(kDieSize, kDieSize, QImage::Format_RGB32);
    image.fill(colours.shadow);
    const Pips& face = kFaces[static_cast<std::size_t>(value - 1)];
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixel(x, y, face[y][x] == 'o' ? colours.pip : colours.face);
    return image;
}

QImage markerPicture(int state) {
    if (state == 1)
        return badge(qRgb(255, 214, 10), qRgb(0, 0, 0), kOne);
    if (state == 2)
        return badge(qRgb(206, 24, 24), qRgb(255, 255, 255), kDownArrow);
    throw std::out_of_range("markers are 1 and 2");
}

} // namespace tagart
