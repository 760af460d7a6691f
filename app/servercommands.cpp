#include "app/servercommands.h"

#include "app/commandoutput.h"
#include "app/shell/korvaapplication.h"
#include "base/untrustedtext.h"
#include "history/gamelisttext.h"
#include "movefile/movefile.h"
#include "movefile/openedmovefile.h"
#include "netplay/servergames.h"
#include "netplay/witnesschain.h"
#include "serverplay/serverclient.h"
#include "serverplay/signup.h"
#include "serverplay/tokenstore.h"
#include "serverplay/uploadqueue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>
#include <memory>

using commandoutput::kRefused;
using commandoutput::refuse;
using commandoutput::writeOut;
using namespace serverreplies;

namespace {

// Says so when the client meets the server's certificate for the first time: the player may
// compare the fingerprint with the one the server's host gave them.
void tellFirstContact(ServerClient& client) {
    QObject::connect(
        &client, &ServerClient::certificatePinned, &client, [&client](const QString& fingerprint) {
            commandoutput::tell(client.server().toDisplayString(),
                                QCoreApplication::translate(
                                    "korva", "first contact; the server's certificate has the "
                                             "fingerprint %1 and is kept: a different one will be "
                                             "refused")
                                    .arg(fingerprint));
        });
}

// The player must have registered on the server before making or joining a game there;
// false (after saying so) when no token is kept for it.
bool hasToken(const QString& server, const TokenStore& store) {
    if (store.token())
        return true;
    refuse(server, QCoreApplication::translate(
                       "korva", "you have no token for this server: register first with "
                                "korva --server %1 --register NAME")
                       .arg(server));
    return false;
}

// The games list's words where they are the same, so that their translations apply.
QString listedSide(Side side) {
    return side == Side::First ? QCoreApplication::translate("GameList", "Allies")
                               : QCoreApplication::translate("GameList", "Axis");
}

// One server game as the games list shows it; every text of the server's quoted, since a
// server is no more trusted than a move file.
QString gameLine(const ServerGame& game) {
    using untrustedtext::quotedForTerminal;
    const Side theirs = game.side == Side::First ? Side::Second : Side::First;
    const QString& opponent = game.side == Side::First ? game.secondPlayer : game.firstPlayer;
    const auto player = [](const QString& name, Side side) {
        return QCoreApplication::translate("GameList", "%1 (%2)")
            .arg(quotedForTerminal(name), listedSide(side));
    };
    QString against;
    if (!opponent.isEmpty())
        against = player(opponent, theirs);
    else if (!game.invite.isEmpty())
        against = QCoreApplication::translate("korva", "not joined yet (invite code %1)")
                      .arg(quotedForTerminal(game.invite));
    else
        against = QCoreApplication::translate("korva", "not joined yet");
    const QString players = QCoreApplication::translate("GameList", "you: %1 · opponent: %2")
                                .arg(listedSide(game.side), against);
    const QString turn = QCoreApplication::translate("korva", "Move %1 · %2 to move")
                             .arg(game.turn)
                             .arg(listedSide(game.toMove));
    QString whoseMove;
    if (game.yourMove)
        whoseMove = QCoreApplication::translate("GameList", "your move");
    else if (opponent.isEmpty())
        whoseMove = QCoreApplication::translate("korva", "waiting for an opponent to join");
    else
        whoseMove = QCoreApplication::translate("GameList", "waiting for %1")
                        .arg(quotedForTerminal(opponent));
    return QStringList{quotedForTerminal(game.name), players, turn, whoseMove}.join(
        QStringLiteral(" | "));
}

// Where the player's queued turn of the game stands, as a last column; empty when none is.
QString uploadColumn(const std::optional<PendingUpload>& upload) {
    if (!upload)
        return {};
    return QStringLiteral(" | ") + deliveryText(*upload, &untrustedtext::quotedForTerminal);
}

// The turns queued for a server that could not be asked for its games.
QString queuedLines(const UploadQueue& queue, const QUrl& server) {
    QString text;
    for (const PendingUpload& upload : queue.pending())
        if (upload.server == server)
            text += untrustedtext::quotedForTerminal(upload.gameName) + QStringLiteral(" | ") +
                    QCoreApplication::translate("korva", "Move %1").arg(upload.move) +
                    uploadColumn(upload) + QLatin1Char('\n');
    return text;
}

} // namespace

namespace servercommands {

QString gamesListing() {
    KorvaApplication::setIdentity(); // where the tokens live
    // Every server asked at once, so that servers that are down cost the wait of one.
    constexpr int kListTimeoutMs = 5000;
    const QList<QUrl> servers = TokenStore::servers();
    std::vector<std::unique_ptr<ServerClient>> clients;
    std::vector<std::optional<ServerResult<QList<ServerGame>>>> answers(servers.size());
    qsizetype waiting = servers.size();
    QEventLoop loop;
    for (qsizetype i = 0; i < servers.size(); ++i) {
        auto& client = clients.emplace_back(std::make_unique<ServerClient>(servers[i].toString()));
        tellFirstContact(*client);
        client->setToken(TokenStore(servers[i]).token().value_or(QByteArray()));
        client->setTimeout(kListTimeoutMs);
        client->fetchGames([&, i](const ServerResult<QList<ServerGame>>& answer) {
            answers[size_t(i)] = answer;
            if (--waiting == 0)
                loop.quit();
        });
    }
    if (waiting > 0)
        loop.exec();

    const UploadQueue queue; // read only: Korva's window sends what it holds
    QString text;
    for (qsizetype i = 0; i < servers.size(); ++i) {
        const QString where = untrustedtext::forTerminal(servers[i].toDisplayString());
        const ServerResult<QList<ServerGame>>& answer = *answers[size_t(i)];
        if (!answer.ok()) {
            text += QCoreApplication::translate("korva", "The games on %1 could not be listed: %2")
                        .arg(where, untrustedtext::forTerminal(answer.error)) +
                    QLatin1Char('\n') + queuedLines(queue, servers[i]);
            continue;
        }
        text += QCoreApplication::translate("korva", "On the server %1:").arg(where) +
                QLatin1Char('\n');
        QList<ServerGame> games = *answer.value;
        // The player's moves first, as in the games list.
        std::stable_partition(games.begin(), games.end(),
                              [](const ServerGame& game) { return game.yourMove; });
        for (const ServerGame& game : games)
            text += gameLine(game) + uploadColumn(queue.pendingFor(game.game)) + QLatin1Char('\n');
        if (games.isEmpty())
            text += QCoreApplication::translate("korva", "No games on this server yet.") +
                    QLatin1Char('\n');
    }
    return text;
}

int registerPlayer(const QString& server, const QString& name) {
    KorvaApplication::setIdentity(); // the tokens kept where the window and --games look
    ServerClient client(server);
    tellFirstContact(client);
    const TokenStore store(client.server());
    if (client.server().isValid() && store.token())
        return refuse(server, QCoreApplication::translate(
                                  "korva", "you are registered on this server already"));
    QString notKept;
    const ServerResult<Registered> made = signup::registerPlayer(client, store, name, &notKept);
    if (!made.ok())
        return refuse(server, made.error);
    if (!notKept.isEmpty())
        return refuse(server,
                      QCoreApplication::translate(
                          "korva", "the token could not be kept (%1); it is shown once here: %2")
                          .arg(notKept, QString::fromLatin1(made.value->token)));
    return writeOut(
        commandoutput::terminalLine(
            QCoreApplication::translate(
                "korva", "registered as %1; keep this token to play from another computer:")
                .arg(name.trimmed())) +
        made.value->token + '\n');
}

int createGame(const QString& server, const QString& moveFile) {
    KorvaApplication::setIdentity(); // the tokens kept where the window and --games look
    ServerClient client(server);
    tellFirstContact(client);
    const TokenStore store(client.server());
    if (!hasToken(server, store))
        return kRefused;
    ServerGames games;
    const signup::TakenGame made = signup::createGame(client, store, games, moveFile);
    if (!made.game.ok())
        return refuse(made.fileRefused ? moveFile : server, made.game.error);
    if (!made.notKept.isEmpty())
        return refuse(
            server,
            QCoreApplication::translate(
                "korva", "the game was made (invite code %1) but Korva could not keep it "
                         "as a server game: %2")
                .arg(untrustedtext::quotedForTerminal(made.game.value->invite), made.notKept));
    return writeOut(
        commandoutput::terminalLine(
            QCoreApplication::translate(
                "korva", "game %1 made; you play %2. Give your opponent this invite code:")
                .arg(made.game.value->name, gamelisttext::sideWithArticle(made.game.value->side))) +
        commandoutput::terminalLine(made.game.value->invite));
}

int join(const QString& server, const QString& invite) {
    KorvaApplication::setIdentity(); // the tokens kept where the window and --games look
    ServerClient client(server);
    tellFirstContact(client);
    const TokenStore store(client.server());
    if (!hasToken(server, store))
        return kRefused;
    ServerGames games;
    const signup::TakenGame joined = signup::join(client, store, games, invite);
    if (!joined.game.ok())
        return refuse(server, joined.game.error);
    const ServerGame& game = *joined.game.value;
    if (!joined.notKept.isEmpty())
        return refuse(server, QCoreApplication::translate(
                                  "korva", "joined, but Korva could not keep the game as a server "
                                           "game: %1")
                                  .arg(joined.notKept));
    const QString opponent = game.side == Side::First ? game.secondPlayer : game.firstPlayer;
    return writeOut(commandoutput::terminalLine(
        QCoreApplication::translate("korva", "joined %1 against %2; you play %3")
            .arg(game.name, opponent, gamelisttext::sideWithArticle(game.side))));
}

} // namespace servercommands
