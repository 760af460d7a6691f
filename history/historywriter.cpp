#include "history/historywriter.h"

#include "history/gameplaces.h"

#include <QDateTime>
#include <QMetaObject>
#include <QObject>

namespace {
// The games whose copies are recalled at start: the one played last and a couple more.
constexpr int kRecalledGames = 3;
} // namespace

HistoryWriter::HistoryWriter(GameHistory history) : history_(std::move(history)) {
    // One copy at a time: each names itself after the newest one of its game.
    pool_.setMaxThreadCount(1);
    recall_.setMaxThreadCount(1);
    recall_.start([this] { history_.recallRecentGames(kRecalledGames, closing_); });
}

HistoryWriter::~HistoryWriter() {
    closing_ = true; // the copies still to write are kept, the recalling stops
    recall_.waitForDone();
    pool_.waitForDone();
}

void HistoryWriter::keep(const QByteArray& bytes, const std::optional<GameId>& id,
                         const QString& file, HistoryEntry::Kind kind, QObject* context,
                         std::function<void(const QString&)> done, std::optional<Side> playerSide) {
    const QDateTime when = QDateTime::currentDateTimeUtc();
    pool_.start([this, bytes, id, file, kind, when, context, done = std::move(done), playerSide] {
        const QString warning = history_.record(bytes, id, file, kind, when);
        if (warning.isEmpty())
            gameplaces::note(history_.root(), id, file);
        if (playerSide)
            gameplaces::noteSide(history_.root(), id, file, *playerSide);
        // Queued, so it runs on the context's thread, or never once the context is gone.
        if (context && done)
            QMetaObject::invokeMethod(
                context, [done, warning] { done(warning); }, Qt::QueuedConnection);
    });
}

void HistoryWriter::waitForDone() {
    pool_.waitForDone();
}
