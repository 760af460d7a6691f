#pragma once

#include "app/shell/featurecontext.h"
#include "movefile/gameid.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <map>
#include <memory>

class GamesFeature;
class PlayByServerDialog;
class PlayFeature;
class QAction;
class ServerClient;
class ServerLogCheck;
class ServerWatch;
class TurnFetcher;
class TurnSender;
class UploadQueue;

// Games played through a Korva server, in the window. Play by server… takes up play; a
// combat asks the game's server for its die; a save that ends the move sends it through the
// upload queue (the games list says "not yet delivered" until the server took it); the
// opponent's moves, heard of on the push channel or found when Korva starts, arrive in a
// folder the games list watches, with the notification any arrived move raises. Nothing of
// it is read or connected before the window's first paint.
class ServerFeature : public QObject {
    Q_OBJECT
public:
    ServerFeature(const FeatureContext& context, GamesFeature& games, PlayFeature& play);
    ~ServerFeature() override;

    // For the Korva tool bar: Play by server….
    QList<QAction*> toolBarActions() const;
    void showPlayByServer();
    // Null until first shown.
    PlayByServerDialog* dialog() const;
    // Reads the upload queue and starts it, and the servers' watches; the window calls it after
    // its first paint. Until then a save of a server game's move is not sent.
    void start();
    // Null until started.
    UploadQueue* queue() { return queue_.get(); }

private:
    // The saved file the open game would be made a server game from, or why there is none.
    QString savedGame(QString* why) const;
    // The client of a server with the player's token; null when no token is kept for it.
    ServerClient* clientFor(const QUrl& server);
    void watch(const QUrl& server);
    // The server's games: each kept as a server game here, and every move not yet here
    // fetched.
    void catchUp(const QUrl& server);
    // With `tell`, a move of a game the games list does not know raises the notification.
    void fetchMove(const QUrl& server, const GameId& game, int move, bool tell);
    QString deliveryOf(const GameId& game) const;

    FeatureContext context_;
    GamesFeature& games_;
    QPointer<PlayByServerDialog> dialog_;
    std::unique_ptr<UploadQueue> queue_;
    std::unique_ptr<TurnFetcher> fetcher_;
    std::unique_ptr<TurnSender> sender_;
    std::unique_ptr<ServerLogCheck> logCheck_;
    std::map<QString, std::unique_ptr<ServerClient>> clients_;
    std::map<QString, std::unique_ptr<ServerWatch>> watches_;
};
