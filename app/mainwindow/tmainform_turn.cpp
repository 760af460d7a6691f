// The opponent's turn at a glance: the moves over the map, the turn as a list, its replay,
// the game's history stepped through read-only, a comparison with any move file, and the
// note that goes out with the next save.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "app/mainwindow/movelayer.h"
#include "app/mainwindow/noteeditor.h"
#include "app/mainwindow/noticebar.h"
#include "app/mainwindow/plaintext.h"
#include "app/mainwindow/replaycontroller.h"
#include "app/mainwindow/replaylayer.h"
#include "app/mainwindow/turnlistdock.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "history/gamehistory.h"
#include "history/historywriter.h"
#include "movefile/movefile.h"
#include "movefile/turnkeeper.h"
#include "overlay/moveoverlay.h"
#include "ui_mainform.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QAction* makeAction(QWidget* owner, const QString& name, const QString& text,
                    const QKeySequence& key, const QString& tip) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
    owner->addAction(action); // the shortcut works wherever the focus is
    return action;
}

std::vector<ReplayCombat> combatsOf(const TaggerMgr& tags) {
    std::vector<ReplayCombat> combats;
    for (const Tagger& tag : tags.openedTags())
        combats.push_back(
            {ZeKClick(tag.position()).index(), tag.dieValue(), win1252::toUnicode(tag.comment())});
    return combats;
}

std::vector<TurnListModel::Combat> listCombats(const std::vector<ReplayCombat>& combats) {
    std::vector<TurnListModel::Combat> rows;
    for (const ReplayCombat& c : combats)
        rows.push_back({c.hex, c.die, c.comment});
    return rows;
}

QString sourceText(const TurnMoves& moves) {
    switch (moves.source) {
    case MovesSource::TurnStartRecord:
        return QStringLiteral("from the turn's start the file keeps");
    case MovesSource::StartHexes:
        return QStringLiteral("from the file's start hexes");
    case MovesSource::EarlierPosition:
        return QStringLiteral("since your file %1").arg(moves.since);
    case MovesSource::None:
        break;
    }
    return QStringLiteral("nothing says where the turn began");
}

QString changeCount(std::size_t count) {
    return count == 1 ? QStringLiteral("1 change") : QStringLiteral("%1 changes").arg(count);
}

} // namespace

void TMainForm::setUpTurnView() {
    moveLayer_ = std::make_unique<MoveLayer>();
    mapView_->addOverlay(moveLayer_.get());
    replay_ = std::make_unique<ReplayController>();
    replayLayer_ = std::make_unique<ReplayLayer>(*game_, *replay_);
    mapView_->addOverlay(replayLayer_.get());

    turnDock_ = new TurnListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, turnDock_);
    turnDock_->hide();
    connect(turnDock_, &TurnListDock::rowChosen, this, &TMainForm::chooseTurnRow);

    // The turn's commands have a row of their own, so they never push the zoom control into
    // the Korva bar's overflow.
    turnToolBar_ = new QToolBar(QStringLiteral("The turn"), this);
    turnToolBar_->setObjectName(QStringLiteral("bTurnToolBar"));
    turnToolBar_->setFloatable(false);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, turnToolBar_);
    QToolBar& bar = *turnToolBar_;
    showMovesAction_ = makeAction(
        this, QStringLiteral("actShowMoves"), QStringLiteral("Show moves"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), QStringLiteral("Show the turn's moves"));
    showMovesAction_->setCheckable(true);
    showMovesAction_->setChecked(true);
    connect(showMovesAction_, &QAction::toggled, this,
            [this](bool on) { moveLayer_->setShown(on); });
    bar.addAction(showMovesAction_);
    QAction* listAction = turnDock_->toggleViewAction();
    listAction->setObjectName(QStringLiteral("actTurnList"));
    listAction->setText(QStringLiteral("The turn"));
    listAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    listAction->setToolTip(QStringLiteral("The turn as a list (%1)")
                               .arg(listAction->shortcut().toString(QKeySequence::NativeText)));
    addAction(listAction);
    bar.addAction(listAction);

    replayAction_ =
        makeAction(this, QStringLiteral("actReplayTurn"), QStringLiteral("Replay turn"),
                   QKeySequence(Qt::CTRL | Qt::Key_R), QStringLiteral("Replay the turn's moves"));
    replayAction_->setCheckable(true);
    connect(replayAction_, &QAction::toggled, this, &TMainForm::toggleReplay);
    bar.addAction(replayAction_);

    replayBar_ = new QToolBar(QStringLiteral("Replay"), this);
    replayBar_->setObjectName(QStringLiteral("bReplayBar"));
    replayBar_->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, replayBar_);
    playPauseAction_ = makeAction(this, QStringLiteral("actReplayPlay"), QStringLiteral("Pause"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                                  QStringLiteral("Play or pause the replay"));
    connect(playPauseAction_, &QAction::triggered, this, [this] {
        if (replay_->isPlaying())
            replay_->pause();
        else
            replay_->play();
    });
    stepAction_ = makeAction(this, QStringLiteral("actReplayStep"), QStringLiteral("Step"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                             QStringLiteral("One step of the replay"));
    connect(stepAction_, &QAction::triggered, this, [this] { replay_->step(); });
    replayBar_->addAction(playPauseAction_);
    replayBar_->addAction(stepAction_);
    auto* speed = new QComboBox(replayBar_);
    speed->setObjectName(QStringLiteral("bReplaySpeed"));
    speed->setToolTip(QStringLiteral("Replay speed"));
    for (const double factor : {0.5, 1.0, 2.0, 4.0})
        speed->addItem(QStringLiteral("%1×").arg(factor), factor);
    speed->setCurrentIndex(1);
    connect(speed, &QComboBox::currentIndexChanged, this,
            [this, speed](int index) { replay_->setSpeed(speed->itemData(index).toDouble()); });
    replayBar_->addWidget(speed);
    replayBar_->hide();
    connect(replay_.get(), &ReplayController::changed, this, [this] {
        replayLayer_->refresh();
        playPauseAction_->setText(replay_->isPlaying() ? QStringLiteral("Pause")
                                                       : QStringLiteral("Play"));
        const std::size_t at = replay_->current();
        const auto& steps = replay_->steps();
        const bool combat = at < steps.size() && steps[at].kind == ReplayStep::Kind::Combat;
        const QString said =
            combat ? QStringLiteral("Combat, die %1: %2").arg(steps[at].die).arg(steps[at].comment)
                   : QString();
        // The combat's notice lasts while its step shows.
        if (combat && noticeBar_->notice() != said)
            noticeBar_->showNotice(said);
        else if (!combat && noticeBar_->notice().startsWith(QStringLiteral("Combat, die ")))
            noticeBar_->clearNotice();
        if (!replay_->isActive() && replayAction_->isChecked())
            replayAction_->setChecked(false);
    });

    bar.addSeparator();
    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
        const char* tip;
    } steps[] = {
        {"actHistoryFirst", "First", QKeySequence(Qt::ALT | Qt::Key_Home),
         "The game's first kept position"},
        {"actHistoryPrevious", "Previous", QKeySequence(Qt::ALT | Qt::Key_Left),
         "The kept position before this one"},
        {"actHistoryNext", "Next", QKeySequence(Qt::ALT | Qt::Key_Right),
         "The kept position after this one"},
        {"actHistoryLast", "Last", QKeySequence(Qt::ALT | Qt::Key_End),
         "The game's newest kept position"},
    };
    for (std::size_t i = 0; i < historyActions_.size(); ++i) {
        historyActions_[i] =
            makeAction(this, QString::fromLatin1(steps[i].name), QString::fromLatin1(steps[i].text),
                       steps[i].key, QString::fromLatin1(steps[i].tip));
        connect(historyActions_[i], &QAction::triggered, this,
                [this, i] { stepHistory(HistoryStep(i)); });
        bar.addAction(historyActions_[i]);
    }
    presentAction_ =
        makeAction(this, QStringLiteral("actBackToPresent"), QStringLiteral("Back to the present"),
                   QKeySequence(Qt::ALT | Qt::Key_Down), QStringLiteral("The game as it stands"));
    connect(presentAction_, &QAction::triggered, this, &TMainForm::backToPresent);
    bar.addAction(presentAction_);
    compareAction_ =
        makeAction(this, QStringLiteral("actCompareWith"), QStringLiteral("Compare with…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                   QStringLiteral("Show the changes since another move file"));
    connect(compareAction_, &QAction::triggered, this, [this] {
        const QString fileName = prompts_->chooseOpenFile(startFolder());
        if (!fileName.isEmpty())
            compareWith(fileName);
    });
    bar.addAction(compareAction_);
    noteAction_ = makeAction(this, QStringLiteral("actEditNote"), QStringLiteral("Note…"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                             QStringLiteral("A note to the opponent, sent with the next save"));
    connect(noteAction_, &QAction::triggered, this, &TMainForm::editNote);
    bar.addAction(noteAction_);

    // The arrows follow the counters they point at.
    connect(game_.get(), &Game::countersChanged, this, [this] { rebuildMoveLayer(); });
    updateTurnCommands();
}

void TMainForm::rebuildMoveLayer() {
    moveLayer_->setMoves(buildMoveOverlay(shownChanges_, game_->counters(), game_->board()));
}

void TMainForm::showMoves(std::vector<CounterChange> changes, const QString& heading,
                          bool switchOn) {
    toggleReplay(false);
    shownChanges_ = std::move(changes);
    rebuildMoveLayer();
    const std::vector<ReplayCombat> combats = combatsOf(game_->tags());
    turnDock_->model().setTurn(shownChanges_, listCombats(combats));
    turnDock_->setHeading(heading);
    if (switchOn && !shownChanges_.empty())
        showMovesAction_->setChecked(true);
    updateTurnCommands();
}

void TMainForm::showOpenedTurn(bool switchOn) {
    const TurnMoves& moves = game_->turn().openedMoves();
    const QString count =
        moves.changes.empty() ? QStringLiteral("No moves") : changeCount(moves.changes.size());
    showMoves(moves.changes,
              moves.source == MovesSource::None ? count
                                                : count + QStringLiteral(", ") + sourceText(moves),
              switchOn);
    turnDock_->setNote(game_->turn().openedNote());
}

void TMainForm::chooseTurnRow(int hex, int counter) {
    if (!hexgrid::isValidHex(hex))
        return;
    const AFPoint centre = hexgrid::hexCentre(hex);
    mapView_->centreOn(QPointF(centre.x, centre.y));
    if (counter > 0) {
        int row = 0;
        for (const auto& c : game_->counters().counters())
            if (++row == counter) {
                moveLayer_->flash(moveoverlay::counterBox(*c, game_->board()));
                return;
            }
    }
    moveLayer_->flash(moveoverlay::stackBox(game_->board(), hex));
}

void TMainForm::toggleReplay(bool on) {
    if (!on) {
        if (replay_->isActive())
            replay_->stop();
        replayBar_->hide();
        moveLayer_->setShown(showMovesAction_->isChecked());
        if (replayAction_->isChecked())
            replayAction_->setChecked(false);
        return;
    }
    if (replay_->isActive())
        return;
    std::vector<ReplayStep> steps = replaySteps(shownChanges_, combatsOf(game_->tags()));
    if (steps.empty()) {
        noticeBar_->showNotice(QStringLiteral("Nothing to replay"), 5000);
        replayAction_->setChecked(false);
        return;
    }
    // The replay shows the moves itself; the arrows come back at its end.
    moveLayer_->setShown(false);
    replayBar_->show();
    replay_->start(std::move(steps));
}

bool TMainForm::showsPast() const {
    return game_->showsPast();
}

void TMainForm::updateTurnCommands() {
    const bool past = game_->showsPast();
    presentAction_->setEnabled(past);
    for (QAction* action : historyActions_)
        action->setEnabled(historyWriter_ != nullptr);
    noteAction_->setEnabled(!past);
    // Nothing changes the past: no save, no undo, no new game, no banner edits.
    ui_->sbSave->setEnabled(!past);
    ui_->sbMoveAll->setEnabled(!past);
    for (QLineEdit* edit : {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3})
        edit->setReadOnly(past);
}

void TMainForm::stepHistory(HistoryStep step) {
    if (!historyWriter_)
        return;
    CancelDrag();
    if (!game_->showsPast()) {
        // The copy of the last Open or Save may still be on its way.
        waitForHistory();
        const GameHistory& history = historyWriter_->history();
        const std::optional<GameId>& id = game_->turn().gameId();
        pastEntries_ = history.entries(GameHistory::gameKey(id, gameFile_));
        // A game gets its id at its first save: the files opened before that are kept by
        // their folder.
        if (id) {
            for (HistoryEntry& entry : history.entries(GameHistory::gameKey({}, gameFile_)))
                pastEntries_.push_back(std::move(entry));
            std::stable_sort(
                pastEntries_.begin(), pastEntries_.end(),
                [](const HistoryEntry& a, const HistoryEntry& b) { return a.time < b.time; });
        }
        pastIndex_ = pastEntries_.size(); // the present, after the newest copy
    }
    if (pastEntries_.empty()) {
        noticeBar_->showNotice(QStringLiteral("The history holds nothing of this game"), 5000);
        return;
    }
    const std::size_t last = pastEntries_.size() - 1;
    std::size_t target = pastIndex_;
    switch (step) {
    case HistoryStep::First:
        target = 0;
        break;
    case HistoryStep::Previous:
        target = pastIndex_ == 0 ? 0 : pastIndex_ - 1;
        break;
    case HistoryStep::Next:
        if (pastIndex_ >= last) {
            backToPresent();
            return;
        }
        target = pastIndex_ + 1;
        break;
    case HistoryStep::Last:
        target = last;
        break;
    }
    if (game_->showsPast() && target == pastIndex_)
        return;
    showHistoryEntry(target);
}

void TMainForm::showHistoryEntry(std::size_t index) {
    const HistoryEntry& entry = pastEntries_[index];
    const bool wasPresent = !game_->showsPast();
    try {
        game_->showPast(GameHistory::read(entry));
    } catch (const std::exception& error) {
        prompts_->showWarning(QStringLiteral("Can not show the kept copy\n") +
                              QString::fromLocal8Bit(error.what()));
        if (!game_->showsPast())
            showOpenedTurn(false);
        updateTurnCommands();
        return;
    }
    if (wasPresent)
        undoBeforePast_ = ui_->sbUndo->isEnabled();
    pastIndex_ = index;
    ui_->sbUndo->setEnabled(false);
    setBannerTexts(game_->banners());
    const QString when = entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString kind = entry.kind == HistoryEntry::Kind::Saved ? QStringLiteral("saved")
                                                                 : QStringLiteral("opened");
    const QString where = QStringLiteral("%1, %2 %3 (%4 of %5)")
                              .arg(entry.title, kind, when)
                              .arg(index + 1)
                              .arg(pastEntries_.size());
    setWindowTitle(
        plaintext::caption(QStringLiteral("Korva : ") + where + QStringLiteral(" — read-only")));
    showOpenedTurn(false);
    turnDock_->setHeading(QStringLiteral("History: ") + where + QStringLiteral("\n") +
                          turnDock_->heading());
    noticeBar_->showNotice(
        QStringLiteral("The past, read-only: %1. %2 returns to the present.")
            .arg(where, presentAction_->shortcut().toString(QKeySequence::NativeText)),
        10000);
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
    keyboardToMap();
}

void TMainForm::backToPresent() {
    if (!game_->showsPast())
        return;
    toggleReplay(false);
    game_->backToPresent();
    setBannerTexts(game_->banners());
    ui_->sbUndo->setEnabled(undoBeforePast_);
    showCaption();
    showOpenedTurn(false);
    noticeBar_->clearNotice();
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
    keyboardToMap();
}

void TMainForm::compareWith(const QString& fileName) {
    OpenedMoveFile before;
    try {
        before = readOpenedMoveFile(fileName);
    } catch (const std::exception& error) {
        prompts_->showWarning(QStringLiteral("Can not open file\n") +
                              QString::fromLocal8Bit(error.what()));
        return;
    }
    std::vector<CounterRecord> now;
    for (const auto& counter : game_->counters().counters())
        now.push_back(counter->record());
    std::vector<CounterChange> changes =
        turnChanges(presentPlaces(before.contents.counters), presentPlaces(now));
    const QString heading = QStringLiteral("%1 since %2")
                                .arg(changeCount(changes.size()), QFileInfo(fileName).fileName());
    showMoves(std::move(changes), heading, true);
    turnDock_->setNote({});
    turnDock_->show();
}

void TMainForm::editNote() {
    if (game_->showsPast())
        return;
    NoteEditor editor(game_->turn().note(), this);
    if (prompts_->execDialog(editor) != QDialog::Accepted || !editor.fits())
        return;
    if (editor.note() == game_->turn().note())
        return;
    game_->turn().setNote(editor.note());
    markChanged();
}
