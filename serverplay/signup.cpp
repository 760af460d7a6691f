#include "serverplay/signup.h"

#include "movefile/movefile.h"
#include "movefile/openedmovefile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace serverreplies;

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

QString ready(ServerClient& client, const TokenStore& store) {
    client.setToken(store.token().value_or(QByteArray()));
    return checkKey(client, store);
}

ServerResult<Registered> registerPlayer(ServerClient& client, const TokenStore& store,
                                        const QString& name, QString* keptError) {
    if (const QString wrongKey = checkKey(client, store); !wrongKey.isEmpty())
        return {std::nullopt, wrongKey, 0};
    ServerResult<Registered> made = waitFor<Registered>(
        [&](auto done) { client.registerPlayer(name.trimmed(), std::move(done)); });
    if (made.ok())
        *keptError = store.keep(made.value->token);
    return made;
}

QString useToken(ServerClient& client, const TokenStore& store, const QByteArray& token) {
    if (const QString wrongKey = checkKey(client, store); !wrongKey.isEmpty())
        return wrongKey;
    client.setToken(token.trimmed());
    // The server names no player for a token it does not know: the list of games is the
    // cheapest question only a real token is answered.
    const ServerResult<QList<ServerGame>> games =
        waitFor<QList<ServerGame>>([&](auto done) { client.fetchGames(std::move(done)); });
    if (!games.ok())
        return games.error;
    return store.keep(token.trimmed());
}

ServerResult<ServerGame> createGame(ServerClient& client, const TokenStore& store,
                                    const QString& moveFile) {
    OpenedMoveFile opened;
    try {
        opened = readOpenedMoveFile(moveFile);
    } catch (const std::exception& error) {
        return {std::nullopt, QString::fromUtf8(error.what()), 0};
    }
    const KorvaExtension& block = opened.extension;
    if (!block.gameId || !block.turn)
        return {std::nullopt,
                QCoreApplication::translate(
                    "korva", "the file names no game or turn of Korva's; save it in Korva first"),
                0};
    if (const QString notReady = ready(client, store); !notReady.isEmpty())
        return {std::nullopt, notReady, 0};
    const QString name = block.gameName.isEmpty()
                             ? QFileInfo(moveFile).completeBaseName().left(PlayerNames::kMaxLength)
                             : block.gameName;
    return waitFor<ServerGame>([&](auto done) {
        client.createGame(*block.gameId, name, block.turn->toMove, *block.turn, std::move(done));
    });
}

ServerResult<ServerGame> join(ServerClient& client, const TokenStore& store,
                              const QString& invite) {
    if (const QString notReady = ready(client, store); !notReady.isEmpty())
        return {std::nullopt, notReady, 0};
    return waitFor<ServerGame>([&](auto done) { client.join(invite, std::move(done)); });
}

} // namespace signup
