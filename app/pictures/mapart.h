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
// Redraws the holding area's headings of the whole map `map` in the player's language, for a
// map drawn before (the built-in sheet, in English); nothing else of it changes.
void relabel(QImage& map);
// The part `area` of the same picture, Format_RGB32, area.size() pixels.
QImage drawMapArea(const QRect& area);
// The map drawn afresh at `scale` device pixels per map pixel (sharp, not enlarged): the
// part `deviceArea`, in pixels of the whole map at that scale. Format_RGB32. Safe to call
// on any thread once a QGuiApplication exists.
QImage drawScaledMapArea(const QRect& deviceArea, qreal scale);

} // namespace mapart
