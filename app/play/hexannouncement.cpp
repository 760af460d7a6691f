#include "app/play/hexannouncement.h"
#include "app/shell/hextext.h"

#include "base/win1252.h"
#include "board/hex.h"
#include "board/mapboard.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

QString HexAnnouncement::of(const Game& game, int hex) {
    // The status bar's own name of the hex: "Hex : K12".
    const QString label = hextext::label(hex);
    const ZeKCounter* top = game.counterAt(hex);
    if (!top)
        return tr("%1, empty").arg(label);
    const QString name = win1252::toUnicode(top->name());
    const QString state = top->hasMoved() ? tr("moved") : tr("yet to move");
    const int beneath = game.board().hex(hex).count() - 1;
    if (beneath == 0)
        return tr("%1, %2, %3").arg(label, name, state);
    return tr("%1, %2 and %n more, %3", nullptr, beneath).arg(label, name, state);
}
