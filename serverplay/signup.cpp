#include "serverplay/signup.h"

#include "movefile/movefile.h"
#include "movefile/openedmovefile.h"
#include "netplay/servergames.h"
#include "netplay/witnesschain.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace serverreplies;

namespace {

ServerResult<ServerGame> refused(const QString& why) {
    return {std::nullopt, why, 0};
}

// Gives the client the kept token and checks the key; an empty text when ready.
QString ready(ServerClient& client, const TokenStore& store) {
    client.setToken(store.token().value_or(QByteArray()));
    return signup::checkKey(client, store);
}

// Keeps the game as one played on this server, with the key pinned for it, so that the
// window asks the server for its dice and judges its rolls by that key.
QString keep(ServerGames& games, const ServerGame& game, const QUrl& server,
             const TokenStore& store) {
    const std::optional<QByteArray> key = witnesschain::keyOfFingerprint(store.pinnedKey());
    if (!key)
        return QCoreApplication::translate("korva", "no key is pinned for this server");
    return games.add({game.game, server, game.side, *key});
}

} // namespace

namespace signup {

QString checkKey(ServerClient& client, const TokenStore& store) {
    const ServerResult<ServerKey> key =
        waitFor<ServerKey>([&](auto done) { client.fetchKey(std::move(done)); });
    if (!key.ok())
        return key.error;
    const QString pinned = store.pinnedKey();
    if (pinned.isEmpty())
        return store.pinKey(key.value->fingerprint);
    if (pinned != key.value->fingerprint)
        return QCoreApplication::translate(
                   "korva", "the server's key is not the one it had when you first used it (its "
                            "fingerprint was %1, now %2); if its host changed the key, ask them")
            .arg(pinned, key.value->fingerprint);
    return {};
}

ServerResult<Registered> registerPlayer(ServerClient& client, const TokenStore& store,
                                        const QString& name, QString* notKept) {
    if (const QString wrongKey = checkKey(client, store); !wrongKey.isEmpty())
        return {std::nullopt, wrongKey, 0};
    ServerResult<Registered> made = waitFor<Registered>(
        [&](auto done) { client.registerPlayer(name.trimmed(), std::move(done)); });
    if (made.ok())
        *notKept = store.keep(made.value->token);
    return made;
}

QString useToken(ServerClient& client, const TokenStore& store, const QByteArray& token) {
    if (const QString wrongKey = checkKey(client, store); !wrongKey.isEmpty())
        return wrongKey;
    client.setToken(token.trimmed());
    // The list of games is the cheapest question answered only for a real token.
    const ServerResult<QList<ServerGame>> games =
        waitFor<QList<ServerGame>>([&](auto done) { client.fetchGames(std::move(done)); });
    if (!games.ok())
        return games.error;
    return store.keep(token.trimmed());
}

TakenGame createGame(ServerClient& client, const TokenStore& store, ServerGames& games,
                     const QString& moveFile) {
    OpenedMoveFile opened;
    try {
        opened = readOpenedMoveFile(moveFile);
    } catch (const std::exception& error) {
        return {refused(QString::fromUtf8(error.what())), {}, true};
    }
    const KorvaExtension& block = opened.extension;
    if (!block.gameId || !block.turn)
        return {refused(QCoreApplication::translate(
                    "korva", "the file names no game or turn of Korva's; save it in Korva first")),
                {},
                true};
    if (const QString notReady = ready(client, store); !notReady.isEmpty())
        return {refused(notReady), {}};
    const QString name = block.gameName.isEmpty()
                             ? QFileInfo(moveFile).completeBaseName().left(PlayerNames::kMaxLength)
                             : block.gameName;
    TakenGame made{waitFor<ServerGame>([&](auto done) {
                       client.createGame(*block.gameId, name, block.turn->toMove, *block.turn,
                                         std::move(done));
                   }),
                   {}};
    if (made.game.ok() && made.game.value->invite.isEmpty())
        return {refused(QCoreApplication::translate(
                    "korva", "the server made the game but gave no invite code")),
                {}};
    if (made.game.ok())
        made.notKept = keep(games, *made.game.value, client.server(), store);
    return made;
}

TakenGame join(ServerClient& client, const TokenStore& store, ServerGames& games,
               const QString& invite) {
    if (const QString notReady = ready(client, store); !notReady.isEmpty())
        return {refused(notReady), {}};
    TakenGame joined{waitFor<ServerGame>([&](auto done) { client.join(invite, std::move(done)); }),
                     {}};
    if (joined.game.ok())
        joined.notKept = keep(games, *joined.game.value, client.server(), store);
    return joined;
}

} // namespace signup
