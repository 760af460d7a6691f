#pragma once

#include "app/export/exportprogress.h"

#include <QSize>

#include <functional>

class FrameSink;
class Game;

// A game's positions as an animation, one frame each, oldest first.
namespace animation {

// The frames' size: the whole map at `scale`.
QSize frameSize(const Game& game, qreal scale);

// Draws `count` positions into `sink`: `show(i)` puts the i-th position in the game (and
// throws what it throws); each frame is the whole map at `scale` with that position's moves
// drawn and its turn and side in the corner. Stops when the player does, or a frame cannot
// be drawn or kept; the sink writes its target only when every frame was made.
ExportOutcome draw(const Game& game, qreal scale, int count, const std::function<void(int)>& show,
                   FrameSink& sink, ExportProgress& progress);

} // namespace animation
