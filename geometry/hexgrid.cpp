#include "geometry/hexgrid.h"

namespace hexgrid {

AFPoint hexPosition(int hexIndex) {
    const int column = columnOf(hexIndex);
    const int row = rowOf(hexIndex);
    int y = row * kHexHeight;
    if (column % 2 != 0)
        y += kHalfHeight;
    return {column * kColumnPitch, y};
}

std::vector<AFPoint> hexOutline(int hexIndex) {
    const AFPoint p = hexPosition(hexIndex);
    return {
        {p.x, p.y},
        {p.x + kTopEdgeWidth, p.y},
        {p.x + kTopEdgeWidth + kSideOverhang, p.y + kHalfHeight},
        {p.x + kTopEdgeWidth, p.y + kHexHeight},
        {p.x, p.y + kHexHeight},
        {p.x - kSideOverhang, p.y + kHalfHeight},
        {p.x, p.y},
    };
}

std::string hexLabel(int hexIndex) {
    if (!isOnBoard(hexIndex))
        return "Off board";
    const int column = columnOf(hexIndex);
    const int number = rowOf(hexIndex) + 12 - column / 2;
    std::string label = "Hex : ";
    label += static_cast<char>('A' + column);
    if (number >= 10)
        label += static_cast<char>('0' + number / 10);
    label += static_cast<char>('0' + number % 10);
    return label;
}

} // namespace hexgrid
