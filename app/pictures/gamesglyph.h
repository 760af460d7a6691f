#pragma once

#include <QImage>

namespace programart {

// The Games button: a list of three games, the top one marked as waiting on the player; the
// size of the other button glyphs, transparent around it.
QImage gamesGlyph();

} // namespace programart
