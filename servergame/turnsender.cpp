#include "servergame/turnsender.h"

#include "counters/movereport.h"
#include "game/session.h"
#include "movefile/openedmovefile.h"
#include "serverplay/uploadqueue.h"
#include "turns/turnorder.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The file as saved, at most as large as the server takes.
std::optional<QByteArray> readSaved(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return file.readAll();
}

} // namespace

TurnSender::TurnSender(Session& session, UploadQueue& queue, QObject* parent)
    : QObject(parent), session_(session), queue_(queue) {
    connect(&session_, &Session::saved, this, &TurnSender::sendIfEnded);
}

void TurnSender::sendIfEnded(const QString& moveFile) {
    const std::optional<ServerGameEntry> entry = session_.serverDice().serverGame();
    if (!entry)
        return;
    constexpr qint64 kMaxUpload = 1024 * 1024; // what a server takes
    const std::optional<QByteArray> file = readSaved(moveFile, kMaxUpload);
    if (!file) {
        emit notQueued(QCoreApplication::translate(
            "TurnSender", "the saved file could not be read again, or is over 1 MiB"));
        return;
    }
    OpenedMoveFile saved;
    try {
        saved = parseOpenedMoveFile(*file);
    } catch (const std::exception& error) {
        emit notQueued(QString::fromUtf8(error.what()));
        return;
    }
    const KorvaExtension& block = saved.extension;
    // A move ended hands the move to the other side; a save within it keeps the player's.
    if (!block.turn || !block.gameId || *block.gameId != entry->game ||
        block.turn->toMove == entry->side || movesBefore(*block.turn) < 1)
        return;
    // A report that could not be written goes without one: the move is what counts.
    const QByteArray report =
        readSaved(reportFileName(moveFile), kMaxUpload).value_or(QByteArray());
    const int move = movesBefore(*block.turn);
    if (const QString why =
            queue_.enqueue(entry->server, entry->game, move, *file, report, block.gameName);
        !why.isEmpty()) {
        emit notQueued(why);
        return;
    }
    emit queued(move);
}
