#include "game/gamefile.h"

#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "game/game.h"
#include "game/turnkeeper.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"

QByteArray gamefile::moveFile(const Game& game, bool endOfTurn) {
    return encodeMoveFile(game.counters(), game.tags(), game.banners(), endOfTurn);
}

QByteArray gamefile::savedFile(Game& game, bool endOfTurn,
                               const std::function<void(KorvaExtension&)>& addToBlock) {
    KorvaExtension block = game.turn().extensionForSave(game.counters(), endOfTurn);
    if (addToBlock)
        addToBlock(block);
    return moveFile(game, endOfTurn) + encodeKorvaExtension(block);
}

QByteArray gamefile::report(const Game& game) {
    return moveReport(game.counters().counters());
}
