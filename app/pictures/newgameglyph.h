#pragma once

#include <QImage>

namespace programart {

// The New game button: two counters, one of each side, set out on a fresh hex with a
// green plus; the size of the other button glyphs, transparent around it.
QImage newGameGlyph();

} // namespace programart
