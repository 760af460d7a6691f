#pragma once

#include "serverplay/serverclient.h"
#include "serverplay/tokenstore.h"

#include <QString>

class ServerGames;

// The steps of taking up play on a server, for the command line and the window alike. Each
// holds the server to the key pinned for its address, pinning it at the first contact, so
// that no game is made, joined or rolled on an impostor's dice; and each keeps what the
// player must keep: the token, and each game made or joined as a server game with that key.
// They wait for the server in a local event loop.
namespace signup {

// An empty text when the server's key is the one pinned for its address (pinned now when
// none was), else why not.
QString checkKey(ServerClient& client, const TokenStore& store);

// Registers the name and keeps its token. `notKept` says why the token could not be kept
// (it must then be shown once to the player, who keeps it themselves).
ServerResult<serverreplies::Registered> registerPlayer(ServerClient& client,
                                                       const TokenStore& store, const QString& name,
                                                       QString* notKept);
// A token the player brought from another computer: kept once the server takes it.
QString useToken(ServerClient& client, const TokenStore& store, const QByteArray& token);

// A game made or joined: the server's answer, and, when the server took it, why the game
// could not be kept as a server game (empty when it was).
struct TakenGame {
    ServerResult<serverreplies::ServerGame> game;
    QString notKept;
    // The move file was refused before the server was asked.
    bool fileRefused = false;
};
// Makes a server game of the saved move file's game; the player plays the side to move. The
// caller has made sure a token is kept.
TakenGame createGame(ServerClient& client, const TokenStore& store, ServerGames& games,
                     const QString& moveFile);
TakenGame join(ServerClient& client, const TokenStore& store, ServerGames& games,
               const QString& invite);

} // namespace signup
