#pragma once

#include <QImage>
#include <QRect>

// The drawn map picture: the whole hex grid, Italy on the board columns with every board
// hex labelled, and the off-board columns as a holding area.
namespace mapart {

// Covers the grid (x up to 1505, y up to 2710) with a small margin.
inline constexpr int kWidth = 1512;
inline constexpr int kHeight = 2720;

// The whole map, Format_RGB32.
QImage drawMap();
// The part `area` of the same picture, Format_RGB32, area.size() pixels.
QImage drawMapArea(const QRect& area);
// The map drawn afresh at `scale` device pixels per map pixel (sharp, not enlarged): the
// part `deviceArea`, in pixels of the whole map at that scale. Format_RGB32. Safe to call
// on any thread once a QGuiApplication exists.
QImage drawScaledMapArea(const QRect& deviceArea, qreal scale);

} // namespace mapart
