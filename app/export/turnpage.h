#pragma once

#include "app/export/exportprogress.h"
#include "overlay/moveoverlay.h"

#include <QRect>
#include <QString>

class Game;
class TurnListModel;

// The turn as the window or the command line has it, for its web page.
struct TurnPageSource {
    const Game& game;
    // The changes and combats, as the turn list shows them.
    const TurnListModel& list;
    // The moves over the map.
    MoveOverlay marks;
    // Where the moves were measured from, as the window tells the player who exports (not
    // on the page, which others read), and the verdict on the dice (Korva's words).
    QString heading;
    QString diceVerdict;
    // From the file.
    QString note;
    QString fileName;
};

namespace turnpage {

// The moves with each arrow from or to the holding area drawn short: from (or to) the point
// just inside the holding area level with its hex on the board, so that the picture need not
// reach across the map and the empty columns.
MoveOverlay shortened(MoveOverlay marks);
// The part of the map the page shows: the moves and the combats' stacks with room around
// them; null (the whole map) when the turn has neither.
QRect area(const TurnPageSource& source);
// The scale the page draws that part at: 100%, or the largest zoom step below it at which
// the picture fits a page.
qreal scaleFor(const QSize& area);

} // namespace turnpage

// Writes the turn's web page, through the safe writer.
ExportOutcome exportTurnPage(const TurnPageSource& source, const QString& path);
