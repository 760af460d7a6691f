#pragma once

#include "movefile/gameid.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <optional>

// One turn waiting to go to its server, as the outbox keeps it on disk.
struct OutboxEntry {
    QUrl server;
    GameId game;
    int move = 0;
    QString gameName; // for the games list while the server cannot be asked
    QDateTime since;  // when Save queued it
    QByteArray file;
    QByteArray report;
    QString lastError; // why the last attempt failed; empty before the first
    bool refused = false;
};

namespace outboxentry {

// The largest entry read back: a move file and its report, each at most 1 MiB, in base64.
constexpr qint64 kMaxEntryBytes = 6 * 1024 * 1024;

QByteArray encode(const OutboxEntry& entry);
// nullopt for anything but a whole entry: a field missing or of the wrong type, or bytes
// that do not match the checksum written with them.
std::optional<OutboxEntry> decode(const QByteArray& bytes);
// The entry's file name in the outbox: one per game and move, so a later save of the same
// move takes the earlier one's place.
QString fileName(const GameId& game, int move);

} // namespace outboxentry
