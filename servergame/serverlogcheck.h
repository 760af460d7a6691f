#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class ServerClient;
class Session;

// After an Open of a server game's file, asks the game's server for its log of rolls: the
// opened move is judged again with it, so that a roll drawn but left out of the file shows,
// and rolls of the player's own move that the game lacks (drawn before a crash or on another
// computer) come back as its combats.
class ServerLogCheck : public QObject {
    Q_OBJECT
public:
    // The client of a server, with the player's token; null when there is none.
    using ClientFor = std::function<ServerClient*(const QUrl& server)>;
    ServerLogCheck(Session& session, ClientFor clientFor, QObject* parent = nullptr);

    // Asks now for the open game's log (done after every Open of a server game).
    void check();

signals:
    // The log came and was taken: how many rolls came back as combats.
    void checked(int recovered);
    // No log came: why. The verdict stays the one judged without it.
    void failed(const QString& why);

private:
    Session& session_;
    ClientFor clientFor_;
};
