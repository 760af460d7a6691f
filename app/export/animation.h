#pragma once

#include "app/export/exportprogress.h"
#include "history/historyentry.h"

#include <QSize>

#include <functional>
#include <vector>

class FrameSink;
class Game;

// A game's positions as an animation, one frame each, in the game's order.
namespace animation {

// The frames' size: the whole map at `scale`.
QSize frameSize(const Game& game, qreal scale);

// The kept copies the animation shows: one per position of the game, in the game's order,
// as Go to turn lists them, however often a turn was opened again. When no copy says its turn
// (files of an older Korva), every copy in the order it was kept.
std::vector<HistoryEntry> positions(const std::vector<HistoryEntry>& kept);

// Draws `count` positions into `sink`: `show(i)` puts the i-th position in the game (and
// throws what it throws); each frame is the whole map at `scale` with that position's moves
// drawn and its turn and side in the corner. Stops when the player does, or a frame cannot
// be drawn or kept; the sink writes its target only when every frame was made. The
// progress is asked band by band and while the sink waits, so that a stop takes effect
// within the frame under way whatever its size.
ExportOutcome draw(const Game& game, qreal scale, int count, const std::function<void(int)>& show,
                   FrameSink& sink, ExportProgress& progress);

} // namespace animation
