#pragma once

#include <QString>

#include <functional>
#include <string>

class ServerClient;
class Session;

// A server game's combat die: asked of the server with what the session says to ask, and
// taken by the session only once the server's signed record checks out. There is no die of
// this computer's to fall back on: without the server the answer says why, and the player
// tries again.
class ServerRoller {
public:
    using Answer = std::function<void(int die, const QString& error)>;

    // `client` is the game's server, with the player's token.
    ServerRoller(Session& session, ServerClient& client) : session_(session), client_(client) {}

    // Asks for the die of a combat at the hex with its comment (Windows-1252). `answer` is
    // called once: with the die, now the turn's roll, or with why there is none.
    void roll(int hex, const std::string& comment, const Answer& answer);

private:
    Session& session_;
    ServerClient& client_;
};
