#pragma once

#include <QImage>

// The 20 x 20 glyph of Export picture: a framed bit of map with an arrow leaving it, on a
// transparent ground, ARGB32.
QImage exportGlyph();
