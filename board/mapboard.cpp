#include "board/mapboard.h"

#include "geometry/hexgrid.h"

using hexgrid::isValidHex;

MapBoard::MapBoard(MapPicture& mapPicture) : mapPicture_(mapPicture) {
    const int hexCount = ZeKClick(0).hexCount();
    hexes_.reserve(std::size_t(hexCount));
    for (int i = 0; i < hexCount; ++i)
        hexes_.push_back(std::make_unique<ZeKHex>(mapPicture, i));
}

MapBoard::~MapBoard() = default;

void MapBoard::redrawHex(int hexIndex) {
    if (isValidHex(hexIndex))
        hexes_[std::size_t(hexIndex)]->redraw();
}

void MapBoard::rotateStack(int hexIndex) {
    if (isValidHex(hexIndex))
        hexes_[std::size_t(hexIndex)]->rotate();
}

void MapBoard::redrawAll() {
    for (const auto& hex : hexes_)
        hex->redraw();
}

void MapBoard::moveTop(int from, int to) {
    if (!isValidHex(from) || !isValidHex(to))
        return;
    if (Counter* counter = hexes_[std::size_t(from)]->popTop())
        hexes_[std::size_t(to)]->push(counter);
}

void MapBoard::moveAll(int from, int to) {
    // Onto its own hex the stack would never run empty.
    if (from == to || !isValidHex(from) || !isValidHex(to))
        return;
    ZeKHex& source = *hexes_[std::size_t(from)];
    ZeKHex& target = *hexes_[std::size_t(to)];
    while (Counter* counter = source.popTop())
        target.push(counter);
}

Counter* MapBoard::counterAt(int hexIndex) const {
    if (!isValidHex(hexIndex))
        return nullptr;
    return hexes_[std::size_t(hexIndex)]->top();
}

void MapBoard::clearAll() {
    for (const auto& hex : hexes_)
        hex->clear();
}

int MapBoard::count(int hexIndex) const {
    return isValidHex(hexIndex) ? hexes_[std::size_t(hexIndex)]->count() : 0;
}

void MapBoard::place(Counter* counter) {
    const int hexIndex = counter->currentHex().index();
    if (isValidHex(hexIndex))
        hexes_[std::size_t(hexIndex)]->add(counter);
}
