#include "app/games/gamesfeature.h"

#include "app/games/desktopnotifier.h"
#include "app/games/gamesdialog.h"
#include "app/games/movewatcher.h"
#include "app/games/watchfoldersdialog.h"
#include "app/pictures/gamesglyph.h"
#include "app/shell/commandtable.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/shell/prompts.h"
#include "base/untrustedtext.h"
#include "game/session.h"
#include "history/gamelisttext.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTableView>

namespace {

const gamelisttext::Shown kShown = &untrustedtext::quoted;

} // namespace

GamesFeature::GamesFeature(const FeatureContext& context,
                           const std::optional<QDBusConnection>& notificationBus)
    : QObject(&context.window), context_(context), model_(this), notificationBus_(notificationBus) {
    checks_.setMaxThreadCount(1);
    QAction* games = context_.commands.action(Command::Games);
    games->setIcon(QIcon(QPixmap::fromImage(programart::gamesGlyph())));
    connect(games, &QAction::triggered, this, &GamesFeature::showGames);

    watcher_ = new MoveWatcher(this);
    connect(watcher_, &MoveWatcher::fileArrived, this, &GamesFeature::checkArrived);
    Session& session = context_.session;
    // The player's own save into a watched folder is no move of the opponent's.
    connect(&session, &Session::saved, this, [this](const QString& file) {
        watcher_->markSeen(file);
        if (dialog_ && dialog_->isVisible())
            refresh();
    });
    connect(&session, &Session::positionReplaced, this, [this](Session::Change change) {
        if (change == Session::Change::Opened && dialog_ && dialog_->isVisible())
            refresh();
    });
    watcher_->setFolders(context_.settings.watchedFolders());
}

GamesFeature::~GamesFeature() {
    checks_.waitForDone();
    // The list's window shows this feature's model: it goes first.
    delete dialog_.data();
}

GamesDialog* GamesFeature::dialog() const {
    return dialog_;
}

DesktopNotifier& GamesFeature::notifier() {
    if (notifier_)
        return *notifier_;
    notifier_ = new DesktopNotifier(
        notificationBus_ ? *notificationBus_ : QDBusConnection::sessionBus(), this);
    connect(notifier_, &DesktopNotifier::activated, this, &GamesFeature::openRequested);
    connect(notifier_, &DesktopNotifier::unavailable, this,
            [this](const QString& title, const QString& text, const QString& file) {
                // The notification's own promise: a click opens the move; the keys find it
                // in the games list.
                const QString games = context_.commands.keyText(Command::Games);
                context_.notices.showNotice(
                    tr("%1 — %2. Click here to open it, or press %3 for the games list.")
                        .arg(title, text, games),
                    30000, [this, file] { emit openRequested(file); });
            });
    return *notifier_;
}

QList<QAction*> GamesFeature::toolBarActions() const {
    return {context_.commands.action(Command::Games)};
}

void GamesFeature::showGames() {
    if (!dialog_) {
        dialog_ = new GamesDialog(model_, &context_.window);
        connect(dialog_, &GamesDialog::openChosen, this, &GamesFeature::openRow);
        connect(dialog_, &GamesDialog::archiveChosen, this, &GamesFeature::toggleArchived);
        connect(dialog_, &GamesDialog::showArchivedChanged, this, [this](bool shown) {
            if (shown != showArchived_) {
                showArchived_ = shown;
                refresh();
            }
        });
        connect(dialog_, &GamesDialog::watchFoldersChosen, this,
                &GamesFeature::chooseWatchedFolders);
    }
    dialog_->show();
    refresh();
    dialog_->raise();
    dialog_->activateWindow();
    dialog_->view().setFocus(Qt::OtherFocusReason);
}

std::vector<GameSummary> GamesFeature::summaries() {
    std::vector<GameSummary> games;
    const GameHistory* history = context_.session.history();
    if (!history)
        return games;
    // The copies still on their way are part of the games.
    context_.session.waitForHistory();
    QHash<QString, Known> known;
    for (const GameCopies& copies : gamesOf(*history)) {
        const QString& key = copies.key;
        Known game = known_.value(key);
        if (game.newestCopy != copies.entries->back().path ||
            game.copies != copies.entries->size()) {
            std::optional<GameSummary> summary = summarizeGame(*history, copies, false);
            if (!summary)
                continue;
            game = {copies.entries->back().path, copies.entries->size(), std::move(*summary)};
            game.diceChecked = !game.summary.theirLast;
        }
        games.push_back(game.summary);
        known.insert(key, std::move(game));
    }
    known_ = std::move(known);
    sortGames(games);
    return games;
}

void GamesFeature::checkDice() {
    const GameHistory* history = context_.session.history();
    if (!history)
        return;
    for (auto game = known_.begin(); game != known_.end(); ++game) {
        if (game->diceChecked || game->diceAsked)
            continue;
        game->diceAsked = true;
        checks_.start([this, history = GameHistory(*history), key = game.key(),
                       newest = game->newestCopy, summary = game->summary] {
            const std::optional<DiceVerdict> verdict = opponentDice(history, summary);
            QMetaObject::invokeMethod(
                this, [this, key, newest, verdict] { diceChecked(key, newest, verdict); });
        });
    }
}

void GamesFeature::diceChecked(const QString& key, const QString& newestCopy,
                               const std::optional<DiceVerdict>& verdict) {
    const auto game = known_.find(key);
    if (game == known_.end() || game->newestCopy != newestCopy)
        return; // the game moved on meanwhile: asked again
    game->summary.theirDice = verdict;
    game->diceChecked = true;
    // Many games come back at once: the list is shown again once.
    if (!std::exchange(refreshDue_, true))
        QMetaObject::invokeMethod(
            this,
            [this] {
                refreshDue_ = false;
                refresh();
            },
            Qt::QueuedConnection);
}

void GamesFeature::refresh() {
    const QStringList archived = context_.settings.archivedGames();
    std::vector<GamesModel::Row> rows;
    std::vector<GamesModel::Row> waiting;
    for (GameSummary& game : summaries()) {
        // A move opened since, or overtaken by a later copy, is new no longer.
        if (const auto move = arrived_.constFind(game.key);
            move != arrived_.cend() && game.turn && !comesBefore(*game.turn, move->turn))
            arrived_.erase(move);
        GamesModel::Row row{std::move(game), false, false, false, {}};
        row.diceDue = !known_.value(row.game.key).diceChecked;
        // The move that came shows as it is: its turn, and the verdict on its dice.
        if (const auto move = arrived_.constFind(row.game.key); move != arrived_.cend()) {
            row.newMove = true;
            row.game = withArrived(std::move(row.game), *move);
            row.diceDue = row.diceDue && !move->dice;
        }
        if (delivery_ && row.game.id)
            row.delivery = delivery_(*row.game.id);
        row.archived = archived.contains(row.game.key);
        if (row.archived && !showArchived_)
            continue;
        // A new move makes the game the player's to answer, whatever the files kept say.
        (row.newMove ? rows : waiting).push_back(std::move(row));
    }
    for (GamesModel::Row& row : waiting)
        rows.push_back(std::move(row));
    if (arrivedShown_ != arrivedKeys()) {
        arrivedShown_ = arrivedKeys();
        emit arrivedChanged();
    }
    model_.setRows(std::move(rows), QDateTime::currentDateTimeUtc());
    if (dialog_)
        dialog_->rowsChanged(showArchived_);
    // The dice are read only for a player looking at the list.
    if (dialog_ && dialog_->isVisible())
        checkDice();
}

QStringList GamesFeature::knownFolders() const {
    QStringList folders = context_.settings.watchedFolders() + alsoWatched_;
    folders << context_.settings.lastFolder();
    if (!context_.session.fileName().isEmpty())
        folders << QFileInfo(context_.session.fileName()).absolutePath();
    for (const QString& file : context_.settings.recentFiles())
        folders << QFileInfo(file).absolutePath();
    folders.removeDuplicates();
    return folders;
}

void GamesFeature::openRow(int row) {
    if (row < 0 || row >= model_.rowCount())
        return;
    const GameSummary& game = model_.row(row).game;
    QString file;
    if (const auto move = arrived_.constFind(game.key); move != arrived_.cend())
        file = move->path;
    else if (const GameHistory* history = context_.session.history())
        file = originalFile(*history, game.key, game.fileToOpen(), knownFolders());
    if (file.isEmpty()) {
        context_.prompts.showWarning(
            tr("%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.")
                .arg(untrustedtext::quoted(game.fileToOpen().title + QStringLiteral(".krv")),
                     context_.commands.keyText(Command::Open)));
        return;
    }
    dialog_->hide();
    emit openRequested(file);
}

void GamesFeature::toggleArchived(int row) {
    if (row < 0 || row >= model_.rowCount())
        return;
    QStringList archived = context_.settings.archivedGames();
    const QString& key = model_.row(row).game.key;
    if (!archived.removeAll(key))
        archived << key;
    context_.settings.setArchivedGames(archived);
    refresh();
}

void GamesFeature::chooseWatchedFolders() {
    WatchFoldersDialog dialog(context_.settings.watchedFolders(), dialog_);
    if (context_.prompts.execDialog(dialog) == QDialog::Accepted)
        setWatchedFolders(dialog.folders());
}

void GamesFeature::setWatchedFolders(const QStringList& folders) {
    context_.settings.setWatchedFolders(folders);
    watcher_->setFolders(folders + alsoWatched_);
}

void GamesFeature::watchAlso(const QString& folder) {
    if (alsoWatched_.contains(folder))
        return;
    alsoWatched_ << folder;
    watcher_->setFolders(context_.settings.watchedFolders() + alsoWatched_);
}

void GamesFeature::checkArrived(const QString& path) {
    const GameHistory* kept = context_.session.history();
    if (!kept)
        return;
    // The history is safe across threads; a copy of it shares what it remembers.
    // Ahead of the dice of games the player only looks at.
    checks_.start(
        [this, history = GameHistory(*kept), path] {
            const std::optional<ArrivedMove> move = arrivedMove(history, path, true);
            if (move)
                QMetaObject::invokeMethod(this, [this, move = *move] { moveArrived(move); });
        },
        1);
}

QHash<QString, ArrivedMove> GamesFeature::arrivedMoves() const {
    return arrived_;
}

QStringList GamesFeature::arrivedKeys() const {
    QStringList keys;
    for (auto move = arrived_.cbegin(); move != arrived_.cend(); ++move)
        keys << move.key() + QLatin1Char('|') + move->path + QLatin1Char('|') +
                    QString::number(movesBefore(move->turn));
    keys.sort();
    return keys;
}

void GamesFeature::waitForChecks() {
    checks_.waitForDone();
}

void GamesFeature::moveArrived(const ArrivedMove& move) {
    const QString told = move.path + QLatin1Char('|') + QString::number(move.turn.number) +
                         QLatin1Char('|') + QString::number(int(move.turn.toMove));
    if (const auto known = arrived_.constFind(move.gameKey);
        known == arrived_.cend() || comesBefore(known->turn, move.turn) || known->turn == move.turn)
        arrived_.insert(move.gameKey, move);
    refresh();
    // Opened meanwhile, or no longer the newest: nothing to tell.
    if (told_.contains(told) || !arrived_.contains(move.gameKey))
        return;
    told_.insert(told);
    // Archived or not: a game that goes on is news.
    const auto known = known_.constFind(move.gameKey);
    if (known == known_.cend())
        return;
    const GameSummary& game = known->summary;
    // The summary holds Korva's words alone: services differ on whether they read it as markup.
    notifier().notify(tr("New move"),
                      tr("%1: %2, from %3")
                          .arg(gamelisttext::name(game, kShown),
                               gamelisttext::turn(withArrived(game, move)),
                               gamelisttext::opponent(game, kShown)),
                      move.path);
}
