#pragma once

#include "serverplay/serverclient.h"
#include "serverplay/tokenstore.h"

#include <QString>

// The steps of taking up play on a server, for the command line and the window alike. Each
// holds the server to the key pinned for its address, pinning it at the first contact, so
// that no game is made, joined or rolled on an impostor's dice; and each keeps what the
// player must keep. They wait for the server in a local event loop.
namespace signup {

// An empty text when the server's key is the one pinned for its address (pinned now when
// none was), else why not.
QString checkKey(ServerClient& client, const TokenStore& store);
// Gives the client the kept token and checks the key; an empty text when ready. The caller
// has made sure a token is kept.
QString ready(ServerClient& client, const TokenStore& store);

// Registers the name and keeps its token. `keptError` says why the token could not be kept
// (it is then shown once to the player, who must keep it themselves).
ServerResult<serverreplies::Registered> registerPlayer(ServerClient& client,
                                                       const TokenStore& store, const QString& name,
                                                       QString* keptError);
// A token the player brought from another computer: kept once the server takes it.
QString useToken(ServerClient& client, const TokenStore& store, const QByteArray& token);
// Makes a server game of the saved move file's game; the player plays the side to move.
ServerResult<serverreplies::ServerGame> createGame(ServerClient& client, const TokenStore& store,
                                                   const QString& moveFile);
ServerResult<serverreplies::ServerGame> join(ServerClient& client, const TokenStore& store,
                                             const QString& invite);

} // namespace signup
