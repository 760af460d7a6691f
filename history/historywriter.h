#pragma once

#include "history/gamehistory.h"

#include <QByteArray>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <optional>

class QObject;

// Keeps copies in the game's history on a thread of its own, one at a time in the order
// asked, so that a slow, remote or full disk never holds up the window. The history itself
// is only read on the caller's thread. Meanwhile the thread recalls the games played last,
// so that their first Open finds them known.
class HistoryWriter {
public:
    explicit HistoryWriter(GameHistory history);
    // Waits for the copies still being written: closing the program loses none.
    ~HistoryWriter();

    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    const GameHistory& history() const { return history_; }

    // Keeps a copy of a move file opened or saved now (GameHistory::record) and notes its
    // folder (gameplaces::note). `done` then runs on the thread of `context` with the
    // warning, empty when the copy was kept; not at all when `context` is destroyed first.
    // `context` must outlive the writer (a window owns its writer). `playerSide`, when given,
    // is noted as the side the player plays (gameplaces::noteSide).
    void keep(const QByteArray& bytes, const std::optional<GameId>& id, const QString& file,
              HistoryEntry::Kind kind, QObject* context,
              std::function<void(const QString& warning)> done,
              std::optional<Side> playerSide = std::nullopt);
    // Returns once every copy asked for is written (their `done` may still be on its way).
    void waitForDone();

private:
    GameHistory history_;
    std::atomic<bool> closing_ = false;
    QThreadPool pool_;
    QThreadPool recall_; // its own thread: an Open waits for the copies, never for this
};
