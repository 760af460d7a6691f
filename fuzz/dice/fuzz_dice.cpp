// Opens arbitrary files against a fixed history, as the opponent's next turn and as the
// player's own file: the verdict on their dice, the turn's dice drawn from the history and
// the block the next save would write must never crash, and that block must read back.
#include "fuzz/dice/dicefixture.h"
#include "game/turndice.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameHistory history = [] {
        const QString root = QDir::tempPath() + QStringLiteral("/korva-fuzz-dice-history");
        dicefixture::writeHistory(root);
        return GameHistory(root);
    }();
    OpenedMoveFile file;
    try {
        file = parseOpenedMoveFile(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const MoveFileError&) {
        return 0;
    }
    for (const bool own : {false, true}) {
        TurnDice dice(&history);
        QString warning;
        const std::optional<GameId> game = file.extension.gameId;
        dice.opened(file,
                    {game ? game : dicefixture::game(), own, false, std::nullopt, std::nullopt},
                    &warning);
        if (!own && (!dice.openedVerdict() ||
                     dice.openedVerdict()->marks.size() != file.contents.tags.size() ||
                     dice.openedVerdict()->text().isEmpty()))
            __builtin_trap();
        // The block a save would write (no game id: nothing is kept in the history) is one the
        // reader takes.
        KorvaExtension block;
        dice.addToBlock(block, own ? file.contents.tags : std::vector<TagRecord>{}, &warning);
        try {
            if (!parseKorvaExtension(encodeKorvaExtension(block)).warning.isEmpty())
                __builtin_trap();
        } catch (const MoveFileError&) {
            __builtin_trap();
        }
    }
    return 0;
}
