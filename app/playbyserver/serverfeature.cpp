#include "app/playbyserver/serverfeature.h"

#include "app/games/desktopnotifier.h"
#include "app/games/gamesdialog.h"
#include "app/games/gamesfeature.h"
#include "app/play/playfeature.h"
#include "app/playbyserver/playbyserverdialog.h"
#include "app/shell/commandtable.h"
#include "app/shell/noticebar.h"
#include "app/shell/trustlabel.h"
#include "base/untrustedtext.h"
#include "game/session.h"
#include "game/turndice.h"
#include "history/gamehistory.h"
#include "netplay/servergames.h"
#include "netplay/witnesschain.h"
#include "servergame/serverlogcheck.h"
#include "servergame/serverroller.h"
#include "servergame/turnfetcher.h"
#include "servergame/turnsender.h"
#include "serverplay/serverclient.h"
#include "serverplay/serverwatch.h"
#include "serverplay/tokenstore.h"
#include "serverplay/uploadqueue.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>

ServerFeature::ServerFeature(const FeatureContext& context, GamesFeature& games, PlayFeature& play)
    : QObject(&context.window), context_(context), games_(games),
      fetcher_(std::make_unique<TurnFetcher>()),
      logCheck_(std::make_unique<ServerLogCheck>(
          context.session, [this](const QUrl& server) { return clientFor(server); })) {
    connect(context_.commands.action(Command::PlayByServer), &QAction::triggered, this,
            &ServerFeature::showPlayByServer);
    play.setServerDie([this](int hex, const std::string& comment,
                             const std::function<void(int, const QString&)>& answer) {
        const std::optional<ServerGameEntry> game = context_.session.serverDice().serverGame();
        ServerClient* client = game ? clientFor(game->server) : nullptr;
        if (!client) {
            answer(0, tr("you have no token for this game's server"));
            return;
        }
        ServerRoller(context_.session, *client).roll(hex, comment, answer);
    });
    games_.setDelivery([this](const GameId& game) { return deliveryOf(game); });
    // The server's log may show what the file alone did not: a roll drawn but left out.
    connect(&context_.session.serverDice(), &ServerDice::diceVerdictChanged, this, [this] {
        const std::optional<DiceVerdict>& verdict = context_.session.dice().openedVerdict();
        if (verdict && !verdict->verified())
            context_.notices.showNotice(
                tr("The server's record of the dice does not match this file."), 30000,
                trustOf(*verdict),
                QCoreApplication::translate("TurnFeature", "Their dice: %1").arg(verdict->text()));
    });
    connect(logCheck_.get(), &ServerLogCheck::failed, this, [this](const QString& why) {
        context_.notices.showNotice(
            tr("The server's record of the dice could not be asked for: %1").arg(why), 15000);
    });
}

ServerFeature::~ServerFeature() {
    delete dialog_.data();
}

PlayByServerDialog* ServerFeature::dialog() const {
    return dialog_;
}

QList<QAction*> ServerFeature::toolBarActions() const {
    return {context_.commands.action(Command::PlayByServer)};
}

void ServerFeature::start() {
    if (queue_)
        return;
    // The outbox is read only now: nothing of it comes before the first paint.
    queue_ = std::make_unique<UploadQueue>();
    sender_ = std::make_unique<TurnSender>(context_.session, *queue_);
    connect(sender_.get(), &TurnSender::notQueued, this, [this](const QString& why) {
        context_.notices.showNotice(tr("The move was saved, but it will not be sent to the "
                                       "server: %1")
                                        .arg(why));
    });
    // The list shows "not yet delivered" while a move waits.
    connect(queue_.get(), &UploadQueue::changed, this, [this] {
        if (games_.dialog() && games_.dialog()->isVisible())
            games_.refresh();
    });
    connect(queue_.get(), &UploadQueue::failed, this,
            [this](const GameId&, int move, const QString& error, bool refused) {
                if (refused)
                    context_.notices.showNotice(
                        tr("The server refused move %1: %2").arg(move).arg(error));
            });
    queue_->start();
    for (const QUrl& server : TokenStore::servers())
        watch(server);
}

void ServerFeature::showPlayByServer() {
    if (!dialog_) {
        dialog_ = new PlayByServerDialog([this](QString* why) { return savedGame(why); },
                                         &context_.window);
        connect(dialog_, &PlayByServerDialog::gameTaken, this, [this](const QUrl& server) {
            clients_.erase(server.toString()); // a new token, maybe
            watch(server);
            // A game made from the open one is a server game from now on.
            context_.session.serverDice().setRegistry(ServerGames());
        });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

QString ServerFeature::savedGame(QString* why) const {
    const Session& session = context_.session;
    if (session.fileName().isEmpty() || session.isNewGame()) {
        *why = tr("Save the game first: the server game is made from its saved move file.");
        return {};
    }
    if (session.document().isModified()) {
        *why = tr("Save your changes first: the server game is made from the saved move file.");
        return {};
    }
    return session.fileName();
}

ServerClient* ServerFeature::clientFor(const QUrl& server) {
    const QString key = server.toString();
    if (const auto known = clients_.find(key); known != clients_.end())
        return known->second.get();
    const std::optional<QByteArray> token = TokenStore(server).token();
    if (!token)
        return nullptr;
    auto client = std::make_unique<ServerClient>(key, this);
    client->setToken(*token);
    return clients_.emplace(key, std::move(client)).first->second.get();
}

void ServerFeature::watch(const QUrl& server) {
    const QString key = server.toString();
    const std::optional<QByteArray> token = TokenStore(server).token();
    if (!token)
        return;
    // The server's moves arrive where the games list looks; a player who plays by e-mail
    // only has no folder of Korva's watched.
    games_.watchAlso(fetcher_->folder());
    auto watch = std::make_unique<ServerWatch>(key, *token, this);
    connect(watch.get(), &ServerWatch::turnArrived, this,
            [this, server](const GameId& game, int move) { fetchMove(server, game, move, true); });
    // A server back after a while: what it holds for the player, and the moves waiting to go.
    connect(watch.get(), &ServerWatch::ready, this, [this, server] {
        catchUp(server);
        queue_->retryNow();
    });
    watch->start();
    watches_[key] = std::move(watch);
}

void ServerFeature::catchUp(const QUrl& server) {
    ServerClient* client = clientFor(server);
    if (!client)
        return;
    client->fetchGames([this, server](const ServerResult<QList<serverreplies::ServerGame>>& got) {
        if (!got.ok())
            return;
        // A game made or joined on another computer is this player's server game too, judged
        // by the key pinned for the server here.
        ServerGames kept;
        const std::optional<QByteArray> key =
            witnesschain::keyOfFingerprint(TokenStore(server).pinnedKey());
        for (const serverreplies::ServerGame& game : *got.value) {
            if (!kept.find(game.game) && key)
                kept.add({game.game, server, game.side, *key});
            // Every move of the game is kept here, as on the computer it was played on; the
            // newest, when it is the player's to answer, is told of.
            for (int move = 1; move < game.turn; ++move)
                fetchMove(server, game.game, move, game.yourMove && move == game.turn - 1);
        }
        context_.session.serverDice().setRegistry(ServerGames());
    });
}

void ServerFeature::fetchMove(const QUrl& server, const GameId& game, int move, bool tell) {
    ServerClient* client = clientFor(server);
    if (!client)
        return;
    if (QFileInfo::exists(fetcher_->fileFor(game, move)))
        return; // told of once already
    fetcher_->fetch(
        *client, game, move, [this, game, move, tell](const QString& path, const QString& error) {
            if (!error.isEmpty()) {
                context_.notices.showNotice(
                    tr("A move could not be fetched from the server: %1").arg(error), 15000);
                return;
            }
            // The games list tells of a move of a game it knows; the first move of a game joined
            // here, it cannot.
            const GameHistory* history = context_.session.history();
            if (tell && (!history || history->kept(GameHistory::gameKey(game, path))->empty()))
                games_.notifier().notify(tr("New move"),
                                         tr("Move %1 of a game played through a server").arg(move),
                                         path);
        });
}

QString ServerFeature::deliveryOf(const GameId& game) const {
    const std::optional<PendingUpload> upload = queue_ ? queue_->pendingFor(game) : std::nullopt;
    return upload ? deliveryText(*upload, &untrustedtext::quoted) : QString();
}
