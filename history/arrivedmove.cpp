#include "history/arrivedmove.h"

#include "counters/countermgr.h"
#include "history/diceevidence.h"
#include "movefile/movefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"
#include "turns/turnorder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

// The file's bytes when it may be a move file: told by the counters section's mark before
// the rest is read, and never more than a move file can hold.
std::optional<QByteArray> moveFileBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > arrival::kMaxMoveFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(4);
    if (bytes.size() < 4 ||
        qFromLittleEndian<qint32>(bytes.constData()) != CounterMgr::kSectionMark)
        return std::nullopt;
    // One byte beyond, in case it grew since it was measured.
    bytes += file.read(arrival::kMaxMoveFileBytes + 1 - bytes.size());
    if (bytes.size() > arrival::kMaxMoveFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QFileInfoList watchedMoveFiles(const QString& folder, qsizetype maxFiles) {
    QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.krv")}, QDir::Files, QDir::Unsorted);
    files.removeIf([](const QFileInfo& file) { return file.size() > arrival::kMaxMoveFileBytes; });
    // Newest first, so that a move that came now is found whatever lies beside it.
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        return ta != tb ? ta > tb : a.fileName() < b.fileName();
    });
    if (files.size() > maxFiles)
        files.resize(maxFiles);
    return files;
}

std::optional<ArrivedMove> arrivedMove(const GameHistory& history, const QString& path, bool dice) {
    const std::optional<QByteArray> bytes = moveFileBytes(path);
    if (!bytes)
        return std::nullopt;
    OpenedMoveFile file;
    try {
        file = parseOpenedMoveFile(*bytes);
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
        if (!comesBefore(*turn, *block.turn))
            return std::nullopt;
        ArrivedMove move{key, path, *block.turn, std::nullopt};
        if (dice)
            move.dice = rollsVerdict(file, diceEvidenceFor(history, file, block.gameId),
                                     ServerGames(), block.gameId);
        return move;
    }
    return std::nullopt;
}

QHash<QString, ArrivedMove> arrivedMoves(const GameHistory& history, const QStringList& folders,
                                         bool dice) {
    QHash<QString, ArrivedMove> arrived;
    for (const QString& folder : folders)
        for (const QFileInfo& file : watchedMoveFiles(folder))
            if (std::optional<ArrivedMove> move =
                    arrivedMove(history, file.absoluteFilePath(), dice);
                move && (!arrived.contains(move->gameKey) ||
                         comesBefore(arrived.value(move->gameKey).turn, move->turn)))
                arrived.insert(move->gameKey, std::move(*move));
    return arrived;
}

GameSummary withArrived(GameSummary game, const ArrivedMove& move) {
    game.turn = move.turn;
    if (move.dice)
        game.theirDice = move.dice;
    return game;
}
