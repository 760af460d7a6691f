#pragma once

#include "counters/orderofbattle.h"
#include "movefile/gameid.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// What a Korva server answers, read from its JSON and checked: a field missing, of the wrong
// type or out of range makes the whole answer unusable (std::nullopt), never a guess.
namespace serverreplies {

struct Registered {
    qint64 player = 0; // the server's number for the player
    QByteArray token;
};

struct ServerKey {
    QByteArray publicKey; // 32 bytes of Ed25519
    QString fingerprint;  // 64 hex digits
};

struct ServerGame {
    GameId game;
    QString name;
    Side side = Side::First;
    QString firstPlayer;
    QString secondPlayer;
    int turn = 1;
    Side toMove = Side::First;
    bool yourMove = false;
    QString invite; // empty once the opponent joined
};

struct ServerRoll {
    QByteArray record; // the signed record, as Korva's block keeps it
    int turn = 0;
    int number = 0;
    int hex = 0;
    int die = 0;
    qint64 timeMs = 0; // when the server drew it, in ms since 1970
};

struct TurnTaken {
    GameId game;
    int turn = 0;
};

struct ServerTurn {
    int turn = 0;
    QByteArray file;
    QByteArray report;
};

std::optional<Registered> registered(const QJsonObject& body);
std::optional<ServerKey> serverKey(const QJsonObject& body);
std::optional<ServerGame> game(const QJsonObject& body);
std::optional<QList<ServerGame>> games(const QJsonObject& body);
std::optional<ServerRoll> roll(const QJsonObject& body);
// The server's log of a game: every roll it drew, in order.
std::optional<QList<ServerRoll>> rolls(const QJsonObject& body);
std::optional<TurnTaken> turnTaken(const QJsonObject& body);
std::optional<ServerTurn> turn(const QJsonObject& body);

// A text from the server as one plain line of at most 200 characters: it is shown to the
// player, and a server is no more trusted than a move file.
QString oneLine(const QString& text);

} // namespace serverreplies
