#include "history/arrivedmove.h"

#include "movefile/movefile.h"

std::optional<ArrivedMove> arrivedMove(const GameHistory& history, const QString& path) {
    OpenedMoveFile file;
    try {
        file = readOpenedMoveFile(path);
    } catch (const MoveFileError&) {
        return std::nullopt;
    }
    const KorvaExtension& block = file.extension;
    if (!block.gameId || !block.turn)
        return std::nullopt;
    const QString key = GameHistory::gameKey(block.gameId, path);
    const auto copies = history.kept(key);
    if (copies->empty() || !history.fitsGame(*block.gameId, file))
        return std::nullopt;
    for (auto entry = copies->rbegin(); entry != copies->rend(); ++entry) {
        std::optional<TurnRecord> turn;
        try {
            turn = GameHistory::read(*entry).extension.turn;
        } catch (const MoveFileError&) {
            continue; // damaged on disk: the one before it says more
        }
        if (!turn)
            continue;
        if (!turn->comesBefore(*block.turn))
            return std::nullopt;
        return ArrivedMove{key, path, *block.turn};
    }
    return std::nullopt;
}
