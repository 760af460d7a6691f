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

int hexAtPosition(AFPoint position) {
    if (position.x < 0 || position.x % kColumnPitch != 0)
        return -1;
    const int column = position.x / kColumnPitch;
    const int y = position.y - (column % 2 != 0 ? kHalfHeight : 0);
    if (column >= kColumns || y < 0 || y % kHexHeight != 0 || y / kHexHeight >= kRowsPerColumn)
        return -1;
    return hexIndexOf(column, y / kHexHeight);
}

AFPoint hexCentre(int hexIndex) {
    const AFPoint p = hexPosition(hexIndex);
    return {p.x + 12, p.y + 19};
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
