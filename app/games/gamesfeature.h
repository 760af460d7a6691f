#pragma once

#include "app/games/gamesmodel.h"
#include "app/shell/featurecontext.h"
#include "history/arrivedmove.h"
#include "history/gamelist.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

#include <functional>
#include <optional>
class DesktopNotifier;
class GamesDialog;
class MoveWatcher;
class QAction;

// Every game at a glance: the games list (Games, Ctrl+G) with whose move it is, the folders
// watched for the opponent's files, and a desktop notification when one arrives. It opens
// nothing itself: the file a player picks goes to openRequested, for Open's own questions.
class GamesFeature : public QObject {
    Q_OBJECT
public:
    // Notifications go over `notificationBus`, else over the session bus, which is reached
    // only when the first one is due.
    GamesFeature(const FeatureContext& context,
                 const std::optional<QDBusConnection>& notificationBus = std::nullopt);
    ~GamesFeature() override;

    // For the Korva tool bar: Games.
    QList<QAction*> toolBarActions() const;
    // Shows the list, up to date.
    void showGames();
    // The list's window; null until first shown.
    GamesDialog* dialog() const;
    GamesModel& model() { return model_; }
    MoveWatcher& watcher() { return *watcher_; }
    DesktopNotifier& notifier();
    // Reads the history again and shows what it holds now.
    void refresh();
    // The folders watched, remembered in the settings.
    void setWatchedFolders(const QStringList& folders);
    // Returns once every file that arrived so far has been looked at, and every game's dice
    // asked for checked; what they found is shown once the window's events run.
    void waitForChecks();
    // A folder of Korva's own watched besides the player's (where a server's moves arrive).
    void watchAlso(const QString& folder);
    // What the list says of a server game's saved move its server has not taken yet.
    using Delivery = std::function<QString(const GameId& game)>;
    void setDelivery(Delivery delivery) { delivery_ = std::move(delivery); }
    // The new moves in watched folders not yet opened, by game (GameHistory::gameKey).
    QHash<QString, ArrivedMove> arrivedMoves() const;

signals:
    // A new move came, or one was opened or overtaken: arrivedMoves() changed.
    void arrivedChanged();
    // A move file to open: the player picked a game or clicked a notification.
    void openRequested(const QString& file);

private:
    void openRow(int row);
    void toggleArchived(int row);
    void chooseWatchedFolders();
    void checkArrived(const QString& path);
    void moveArrived(const ArrivedMove& move);
    // The new moves as one comparable list, to tell when they changed.
    QStringList arrivedKeys() const;
    // The folders a game's file may be found in besides the one the history knows.
    QStringList knownFolders() const;
    std::vector<GameSummary> summaries();
    // The opponents' dice of the games not yet checked, on the checks' thread.
    void checkDice();
    void diceChecked(const QString& key, const QString& newestCopy,
                     const std::optional<DiceVerdict>& verdict);

    FeatureContext context_;
    GamesModel model_;
    QPointer<GamesDialog> dialog_;
    MoveWatcher* watcher_ = nullptr;
    std::optional<QDBusConnection> notificationBus_;
    DesktopNotifier* notifier_ = nullptr;
    bool showArchived_ = false;
    // The new moves in watched folders, by game; told once each.
    QHash<QString, ArrivedMove> arrived_;
    QSet<QString> told_;
    QStringList arrivedShown_;
    // Each game's summary while its copies stay the same; its dice once checked.
    struct Known {
        QString newestCopy;
        std::size_t copies = 0;
        GameSummary summary;
        bool diceChecked = false;
        bool diceAsked = false;
    };
    QHash<QString, Known> known_;
    // Files that arrived and the dice are read here, never on the window's thread: the list
    // shows at once, and the dice follow.
    QThreadPool checks_;
    bool refreshDue_ = false;
    QStringList alsoWatched_;
    Delivery delivery_;
};
