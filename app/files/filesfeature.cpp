#include "app/files/filesfeature.h"

#include "app/dialogs/gamesetupdialog.h"
#include "app/files/recentfiles.h"
#include "app/files/startpage.h"
#include "app/files/turnmail.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/pictures/mailglyph.h"
#include "app/pictures/newgameglyph.h"
#include "app/play/playfeature.h"
#include "app/shell/afterpaint.h"
#include "app/shell/commandtable.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/shell/plaintext.h"
#include "app/shell/prompts.h"
#include "app/shell/trustlabel.h"
#include "base/untrustedtext.h"
#include "base/win1252.h"
#include "combat/taggermgr.h"
#include "counters/movereport.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "history/arrivedmove.h"
#include "history/gamelist.h"
#include "history/gamelisttext.h"
#include "movefile/movefile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

#include <algorithm>

namespace {

// The hourglass while a file is read or written, whatever happens meanwhile.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The games played last, for the start page, with the moves that came into watched folders;
// none without a history.
QList<StartPage::Game> startGames(const FeatureContext& context,
                                  const QHash<QString, ArrivedMove>& arrived = {}) {
    constexpr int kShown = 6;
    QList<StartPage::Game> games;
    const GameHistory* history = context.session.history();
    if (!history)
        return games;
    QStringList folders{context.settings.lastFolder()};
    for (const QString& file : context.settings.recentFiles())
        folders << QFileInfo(file).absolutePath();
    const QStringList archived = context.settings.archivedGames();
    const gamelisttext::Shown shown = &untrustedtext::quoted;
    for (const GameSummary& game :
         listRecentGames(*history, kShown + int(archived.size()), arrived.keys())) {
        if (archived.contains(game.key))
            continue;
        const auto move = arrived.constFind(game.key);
        const bool newMove = move != arrived.cend();
        const GameSummary shownGame = newMove ? withArrived(game, *move) : game;
        QString tip = gamelisttext::players(shownGame, shown) + QLatin1Char('\n') +
                      gamelisttext::turn(shownGame) + QLatin1Char('\n') +
                      gamelisttext::lastFile(shownGame, QDateTime::currentDateTimeUtc(), shown);
        if (const QString dice = gamelisttext::dice(shownGame, shown); newMove && !dice.isEmpty())
            tip += QLatin1Char('\n') + dice;
        games.append(
            {FilesFeature::tr("%1 — %2").arg(gamelisttext::name(shownGame, shown),
                                             gamelisttext::whoseMove(shownGame, shown, newMove)),
             tip,
             newMove ? move->path : originalFile(*history, game.key, game.fileToOpen(), folders)});
    }
    // Games with a new move first, as in the games list.
    std::stable_partition(games.begin(), games.end(), [&](const StartPage::Game& game) {
        return std::any_of(arrived.cbegin(), arrived.cend(),
                           [&](const ArrivedMove& move) { return move.path == game.file; });
    });
    return games.mid(0, kShown);
}

} // namespace

FilesFeature::FilesFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play,
                           std::unique_ptr<ProcessLauncher> launcher)
    : QObject(&context.window), context_(context), mapFeature_(mapFeature), play_(play),
      launcher_(std::move(launcher)),
      recentFiles_(std::make_unique<RecentFiles>(context.settings)) {
    const CommandTable& commands = context_.commands;
    connect(commands.action(Command::Open), &QAction::triggered, this, &FilesFeature::sbOpenClick);
    connect(commands.action(Command::Save), &QAction::triggered, this, &FilesFeature::sbSaveClick);
    QAction* newGame = commands.action(Command::NewGame);
    newGame->setIcon(QIcon(QPixmap::fromImage(programart::newGameGlyph())));
    connect(newGame, &QAction::triggered, this, &FilesFeature::actNewGameClick);
    QAction* mail = commands.action(Command::SendMail);
    mail->setIcon(QIcon(QPixmap::fromImage(programart::mailGlyph())));
    mail->setEnabled(false);
    connect(mail, &QAction::triggered, this, &FilesFeature::sendByEmail);

    recentMenu_ = new QMenu(tr("Recent Move Files"), &context_.window);
    recentMenu_->setObjectName(QStringLiteral("bRecentMenu"));
    recentMenu_->setToolTipsVisible(true);
    connect(recentMenu_, &QMenu::aboutToShow, this, &FilesFeature::fillRecentMenu);

    // A first start shows the way; a start with a file to open never needs it. Queued, it
    // comes before the window's first paint, after the file named on the command line.
    QMetaObject::invokeMethod(this, &FilesFeature::buildStartPage, Qt::QueuedConnection);

    Session& session = context_.session;
    // Nothing changes the past: no save.
    connect(&session, &Session::positionReplaced, this, [this] {
        context_.commands.action(Command::Save)->setEnabled(!context_.session.showsPast());
        gameShown_ = true;
        if (startPage_) {
            // Later: the click that opened the game may still be inside the page.
            startPage_->hide();
            startPage_->deleteLater();
            startPage_ = nullptr;
        }
    });
    connect(&session, &Session::historyWarning, this, [this](const QString& warning) {
        // What an Open tells while the file is read belongs to that Open's one notice.
        if (openWarnings_)
            openWarnings_->append(warning);
        else
            context_.notices.showNotice(warning, 30000);
    });
}

FilesFeature::~FilesFeature() {
    writeUsedFiles();
}

QList<QAction*> FilesFeature::toolBarActions() const {
    return {context_.commands.action(Command::NewGame),
            context_.commands.action(Command::SendMail)};
}

void FilesFeature::sbSaveClick() {
    play_.CancelDrag(); // Ctrl+S while a counter is held: the counter stays where it was
    if (context_.session.showsPast())
        return; // the past is read-only
    QMessageBox::StandardButton answer = context_.prompts.askEndOfTurn();
    // The player's own ended turn, opened again: a second end would pass the move back.
    if (answer == QMessageBox::Yes && context_.session.turnEndedByPlayer())
        answer = context_.prompts.askEndOwnTurnAgain();
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    const bool endOfTurn = answer == QMessageBox::Yes;
    const QString fileName =
        context_.prompts.chooseSaveFile(saveFolder(), context_.session.proposedSaveName(endOfTurn));
    if (fileName.isEmpty())
        return;
    SaveMove(fileName, endOfTurn);
}

void FilesFeature::showArrivedMoves(const QHash<QString, ArrivedMove>& arrived) {
    arrived_ = arrived;
    if (!startPage_ || !context_.session.history())
        return;
    const QList<StartPage::Game> games = startGames(context_, arrived);
    if (!games.isEmpty())
        startPage_->addGames(*context_.commands.action(Command::Games), games);
}

StartPage* FilesFeature::startPage() {
    buildStartPage();
    return startPage_;
}

void FilesFeature::buildStartPage() {
    if (startPage_ || gameShown_)
        return;
    // Once there are games, they take the place of the bare files.
    const CommandTable& commands = context_.commands;
    const QList<StartPage::Game> games = startGames(context_, arrived_);
    startPage_ = new StartPage(*commands.action(Command::NewGame), *commands.action(Command::Open),
                               games.isEmpty() ? recentFiles_->existingFiles() : QStringList(),
                               context_.map.parentWidget());
    if (!games.isEmpty())
        startPage_->addGames(*commands.action(Command::Games), games);
    connect(startPage_, &StartPage::recentFileChosen, this, &FilesFeature::openRecent);
}

QString FilesFeature::saveFolder() const {
    const QString& file = context_.session.fileName();
    const QFileInfo folder(QFileInfo(file).absolutePath());
    return !file.isEmpty() && folder.isDir() ? folder.filePath() : context_.settings.lastFolder();
}

bool FilesFeature::SaveMove(const QString& fileName, bool endOfTurn) {
    Session::SaveOutcome outcome;
    {
        BusyCursor busy;
        outcome = context_.session.save(fileName, endOfTurn);
    }
    if (!outcome.saved) {
        // The previous file is untouched and the turn goes on.
        context_.prompts.showWarning(
            tr("Could not create a new file") +
            (outcome.error.isEmpty() ? QString() : QStringLiteral("\n") + outcome.error));
        return false;
    }
    noteFileUsed(fileName);
    noteSavedTurn(fileName);
    if (!outcome.reportSaved)
        context_.prompts.showWarning(
            tr("The move file was saved, but the move report was not.\n%1: %2")
                .arg(QDir::toNativeSeparators(reportFileName(fileName)), outcome.reportError));
    return true;
}

void FilesFeature::sbOpenClick() {
    play_.CancelDrag();
    if (!maybeSaveChanges())
        return;
    writeUsedFiles();
    const QString fileName = context_.prompts.chooseOpenFile(context_.settings.lastFolder());
    if (!fileName.isEmpty())
        OpenMove(fileName);
}

bool FilesFeature::OpenMove(const QString& fileName) {
    // The held counter belongs to the position about to be replaced.
    play_.CancelDrag();
    Session::OpenOutcome outcome;
    QStringList warnings;
    {
        BusyCursor busy;
        openWarnings_ = &warnings;
        outcome = context_.session.open(fileName);
        openWarnings_ = nullptr;
    }
    if (!outcome.opened) {
        if (!warnings.isEmpty())
            context_.notices.showNotice(warnings.join(QLatin1Char('\n')), 30000);
        context_.prompts.showWarning(tr("Can not open file\n") + outcome.error);
        return false;
    }
    noteFileUsed(fileName);
    noteSavedTurn(QString()); // the game the last save holds is gone
    tellOpened(outcome, warnings);
    return true;
}

void FilesFeature::tellOpened(const Session::OpenOutcome& outcome, const QStringList& warnings) {
    QStringList notes;
    if (outcome.placeholders)
        notes << tr("No game in this file: every counter stands in its placeholder hex (1 to "
                    "234). New game (%1) sets them out off board.")
                     .arg(context_.commands.keyText(Command::NewGame));
    if (outcome.ownFile)
        notes << tr("You saved this file yourself: your opponent's answer is the file they "
                    "send back.");
    if (outcome.answered)
        notes << tr("You have already answered this file.");
    if (outcome.olderThanAnswered)
        notes << tr("You have already answered a later turn of this game than this file's "
                    "(%1).")
                     .arg(turnText(context_.session.document().turnOrder(), false));
    if (outcome.otherGameUnsaved)
        notes << tr("This file is of another game than the one you had open, whose unsaved "
                    "changes are not kept.");
    if (outcome.claimsOtherGame)
        notes << tr("This file claims the id of another of your games, but its turn does not "
                    "follow from any position of that game: it is kept apart, and nothing of "
                    "that game changed. An answer to it starts a game of its own.");
    if (outcome.recoveredRolls > 0)
        notes << tr("%n roll(s) made earlier against this file came back as combat(s) of this "
                    "turn: a roll once made stands.",
                    nullptr, int(outcome.recoveredRolls));
    if (!outcome.warning.isEmpty())
        notes << outcome.warning;
    if (!outcome.unknownData.isEmpty())
        notes << outcome.unknownData;
    notes << warnings;
    // Once, and without stopping the player: a notice over the map. What an earlier file's
    // notice said is not of this one, so an Open with nothing to tell clears it.
    // A verdict on the dice that is not "verified" is Korva's word, with its badge.
    if (const std::optional<DiceVerdict>& dice = outcome.diceVerdict)
        context_.notices.showNotice(
            notes.join(QLatin1Char('\n')), 30000, trustOf(*dice),
            QCoreApplication::translate("TurnFeature", "Their dice: %1").arg(dice->text()));
    else if (notes.isEmpty())
        context_.notices.clearNotice();
    else
        context_.notices.showNotice(notes.join(QLatin1Char('\n')), 30000);
}

void FilesFeature::actNewGameClick() {
    if (!maybeSaveChanges())
        return;
    // The side that moves first and the players, asked once per game.
    GameSetupDialog dialog(GameSetupDialog::Mode::NewGame, TurnOrder(), QString(),
                           &context_.window);
    dialog.gameNameEdit().setPlaceholderText(QStringLiteral("korva"));
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted)
        return;
    NewGame({dialog.movesFirst(), dialog.players(), dialog.gameName()});
}

void FilesFeature::NewGame(const NewGameSetup& setup) {
    // Neither a drag in progress nor an undo may move a counter of the replaced game.
    play_.CancelDrag();
    context_.session.newGame(setup);
    noteSavedTurn(QString()); // the game the last save holds is gone
    mapFeature_.showHoldingArea();
}

bool FilesFeature::maybeSaveChanges() {
    // What is saved or dropped is the present, never a past position shown read-only.
    context_.session.past().backToPresent();
    if (!context_.session.document().isModified())
        return true;
    switch (context_.prompts.askSaveChanges()) {
    case QMessageBox::Yes:
        sbSaveClick();
        return !context_.session.document()
                    .isModified(); // a cancelled or failed save keeps the turn
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void FilesFeature::openRecent(const QString& fileName) {
    if (maybeSaveChanges())
        OpenMove(fileName);
}

void FilesFeature::noteFileUsed(const QString& fileName) {
    usedFiles_ << fileName;
    // The settings are written with fdatasync: the opened file shows first.
    if (usedFiles_.size() == 1)
        runAfterNextPaint(context_.map, *this, [this] { writeUsedFiles(); });
}

void FilesFeature::writeUsedFiles() {
    for (const QString& file : std::exchange(usedFiles_, {}))
        recentFiles_->add(file);
}

void FilesFeature::fillRecentMenu() {
    writeUsedFiles();
    recentMenu_->clear();
    const QStringList files = recentFiles_->existingFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QFileInfo file(files[i]);
        QString folder = QDir::toNativeSeparators(file.absolutePath());
        const QString home = QDir::toNativeSeparators(QDir::homePath());
        if (folder.startsWith(home + QDir::separator()) || folder == home)
            folder.replace(0, home.size(), QStringLiteral("~"));
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2  [%3]")
                .arg(i + 1)
                .arg(plaintext::menuText(file.fileName()), plaintext::menuText(folder)));
        action->setToolTip(plaintext::toolTip(QDir::toNativeSeparators(files[i])));
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (files.isEmpty()) {
        recentMenu_->addAction(tr("No recent move files"))->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(tr("Clear List"));
    connect(clear, &QAction::triggered, this, [this] { recentFiles_->clear(); });
}

void FilesFeature::noteSavedTurn(const QString& fileName) {
    context_.commands.action(Command::SendMail)->setEnabled(!fileName.isEmpty());
    if (fileName.isEmpty()) {
        savedTurn_.reset();
        return;
    }
    auto mail = std::make_unique<TurnMail>();
    mail->moveFile = QFileInfo(fileName).absoluteFilePath();
    mail->reportFile = reportFileName(mail->moveFile);
    mail->title = Session::fileTitle(fileName);
    const TurnOrder& order = context_.session.document().turnOrder();
    if (order.isKnown())
        mail->turn = turnText(order);
    mail->note = context_.session.document().note();
    for (const TagRecord& tag : context_.session.game().tags().ownRecords()) {
        const int hex = hexgrid::hexAtPosition(tag.position);
        mail->combats.push_back({QString::fromStdString(hexgrid::hexLabel(hex)), tag.dieValue,
                                 win1252::toUnicode(tag.comment)});
    }
    savedTurn_ = std::move(mail);
}

QString FilesFeature::droppedMoveFile(const QMimeData& data, QString* refusal) {
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty()) {
        *refusal = tr("Only a Korva move file (*.krv) can be dropped here.");
        return {};
    }
    if (urls.size() > 1) {
        *refusal = tr("Drop one move file at a time.");
        return {};
    }
    const QUrl& url = urls.constFirst();
    if (!url.isLocalFile()) {
        *refusal =
            tr("Korva opens move files on this computer only, not\n%1").arg(url.toDisplayString());
        return {};
    }
    const QFileInfo file(url.toLocalFile());
    if (file.suffix().compare(QStringLiteral("krv"), Qt::CaseInsensitive) != 0 || file.isDir()) {
        *refusal = tr("%1 is not a Korva move file (*.krv).").arg(file.fileName());
        return {};
    }
    return file.absoluteFilePath();
}

void FilesFeature::sendByEmail() {
    if (!savedTurn_)
        return;
    const TurnMail mail = *savedTurn_;
    const QPointer<FilesFeature> self(this);
    launcher_->start(TurnMail::program(), mail.arguments(),
                     [self, mail](const ProcessLauncher::Outcome& outcome) {
                         const QString message = mail.failureMessage(outcome);
                         if (self && !message.isEmpty())
                             self->context_.prompts.showWarning(message);
                     });
}
