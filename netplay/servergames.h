#pragma once

#include "counters/orderofbattle.h"
#include "movefile/gameid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// A game the player plays through a Korva server: where, which side, and the server's key as
// it was pinned when the game was made or joined. Every roll of the game is judged by that key.
struct ServerGameEntry {
    GameId game;
    QUrl server;
    Side side = Side::First;
    QByteArray publicKey; // 32 bytes of Ed25519
};

// The player's server games, kept in one small JSON file. The file is the player's own, but
// anything could have written it: a damaged or hostile file reads as no games (warning() says
// why), and an entry that does not hold together is left out.
class ServerGames {
public:
    explicit ServerGames(QString file = defaultFile());
    // Korva's data folder + "/servers/games.json".
    static QString defaultFile();

    std::optional<ServerGameEntry> find(const GameId& game) const;
    QList<ServerGameEntry> all() const;
    // Keeps the entry (written safely); empty when kept, else why not. The same game kept
    // again with another server, side or key is refused, never replaced: a game's rolls would
    // otherwise be judged by whoever rewrote its entry last.
    QString add(const ServerGameEntry& entry);

    // Why the file was not read whole, from the last read; empty when it was.
    QString warning() const;
    const QString& file() const { return file_; }

private:
    struct Read {
        QList<ServerGameEntry> entries;
        QString warning;
        bool damaged = false; // the file as a whole could not be read
    };
    Read read() const;

    QString file_;
    mutable QString warning_;
};
