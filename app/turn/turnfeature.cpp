#include "app/turn/turnfeature.h"

#include "app/dialogs/gamesetupdialog.h"
#include "app/dialogs/noteeditor.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/play/playfeature.h"
#include "app/shell/commandtable.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/shell/plaintext.h"
#include "app/shell/prompts.h"
#include "app/shell/trustlabel.h"
#include "app/turn/goturndialog.h"
#include "app/turn/keptturns.h"
#include "app/turn/movelayer.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/replaylayer.h"
#include "app/turn/turnheading.h"
#include "app/turn/turnlistdock.h"
#include "base/win1252.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "movefile/movefile.h"
#include "overlay/moveoverlay.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace {

// The opponent's combats with their rolls' numbers and whether each was verified, as rows
// of the turn list or steps of the replay. None when a kept past shows: they belong to the
// opened file.
template <typename Combat>
std::vector<Combat> combatsOf(const TaggerMgr& tags, const TurnDice* dice) {
    std::vector<Combat> combats;
    combats.reserve(tags.openedCount());
    // The set keeps a position's combats together in file order: k counts them.
    std::size_t k = 0;
    const Tagger* previous = nullptr;
    for (const Tagger& tag : tags.openedTags()) {
        k = previous && previous->position() == tag.position() ? k + 1 : 0;
        previous = &tag;
        const RollMark mark = dice ? dice->openedMark(tag.position(), k) : RollMark{};
        combats.push_back({ZeKClick(tag.position()).index(), tag.dieValue(),
                           win1252::toUnicode(tag.comment()), TurnDice::markText(mark),
                           trustOf(mark, true)});
    }
    return combats;
}

} // namespace

TurnFeature::TurnFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play)
    : QObject(&context.window), context_(context), mapFeature_(mapFeature), play_(play),
      moveLayer_(std::make_unique<MoveLayer>()), replay_(context, context.session.game(), *this),
      gameDice_(context, *this, [this](int hex) { chooseTurnRow(hex, 0); }) {
    const Game& game = context_.session.game();

    turnDock_ = new TurnListDock(&context_.window);
    turnDock_->hide();
    connect(turnDock_, &TurnListDock::rowChosen, this, &TurnFeature::chooseTurnRow);

    // The turn's commands have a row of their own, so they never push the zoom control into
    // the Korva bar's overflow.
    turnToolBar_ = new QToolBar(tr("The turn"), &context_.window);
    turnToolBar_->setObjectName(QStringLiteral("bTurnToolBar"));
    turnToolBar_->setFloatable(false);
    setUpCommands();

    // The arrows follow the counters they point at.
    connect(&game, &Game::countersChanged, this, [this] { rebuildMoveLayer(); });
    connect(&context_.session, &Session::positionReplaced, this, &TurnFeature::positionReplaced);
    // A server game's verdict, judged again once the server's log came.
    connect(&context_.session.serverDice(), &ServerDice::diceVerdictChanged, this,
            [this] { showOpenedTurn(false); });
    connect(&context_.session, &Session::turnChanged, this, &TurnFeature::showTurn);
    updateTurnCommands();
    showTurn();
}

TurnFeature::~TurnFeature() {
    context_.map.removeOverlay(&replay_.layer());
    context_.map.removeOverlay(moveLayer_.get());
}

QList<MapOverlay*> TurnFeature::overlays() const {
    return {moveLayer_.get(), &replay_.layer()};
}

void TurnFeature::setUpCommands() {
    const CommandTable& commands = context_.commands;
    QToolBar& bar = *turnToolBar_;
    // Whose move it is, for the window to place where there is room; the specified caption
    // and status panels stay as they are. A click sets the players and the turn.
    QAction* setup = commands.action(Command::GameSetup);
    connect(setup, &QAction::triggered, this, &TurnFeature::editGameSetup);
    turnButton_ = new QToolButton;
    turnButton_->setObjectName(QStringLiteral("bWhoseTurn"));
    turnButton_->setAutoRaise(true);
    turnButton_->setFocusPolicy(Qt::NoFocus);
    connect(turnButton_, &QToolButton::clicked, setup, &QAction::trigger);
    auto* whoseTurn = new QWidgetAction(this);
    whoseTurn->setDefaultWidget(turnButton_);
    whoseTurnAction_ = whoseTurn;
    // Up while there is no file's turn to show; an Open with moves puts it down.
    QAction* showMoves = commands.action(Command::ShowMoves);
    moveLayer_->setShown(false);
    connect(showMoves, &QAction::toggled, this, [this](bool on) { moveLayer_->setShown(on); });
    bar.addAction(showMoves);
    QAction* list = commands.action(Command::TurnList);
    connect(list, &QAction::toggled, turnDock_, &QDockWidget::setVisible);
    connect(turnDock_->toggleViewAction(), &QAction::toggled, list, &QAction::setChecked);
    bar.addAction(list);
    QAction* replay = commands.action(Command::ReplayTurn);
    connect(replay, &QAction::toggled, this, &TurnFeature::toggleReplay);
    bar.addAction(replay);

    bar.addSeparator();
    const std::pair<Command, PastBrowser::HistoryStep> steps[] = {
        {Command::HistoryFirst, PastBrowser::HistoryStep::First},
        {Command::HistoryPrevious, PastBrowser::HistoryStep::Previous},
        {Command::HistoryNext, PastBrowser::HistoryStep::Next},
        {Command::HistoryLast, PastBrowser::HistoryStep::Last},
    };
    for (const auto& [command, step] : steps) {
        QAction* action = commands.action(command);
        connect(action, &QAction::triggered, this, [this, step = step] { stepHistory(step); });
        bar.addAction(action);
    }
    QAction* goTo = commands.action(Command::GoToTurn);
    connect(goTo, &QAction::triggered, this, &TurnFeature::goToTurn);
    bar.addAction(goTo);
    QAction* present = commands.action(Command::BackToPresent);
    connect(present, &QAction::triggered, this,
            [this] { context_.session.past().backToPresent(); });
    bar.addAction(present);
    QAction* compare = commands.action(Command::CompareWith);
    connect(compare, &QAction::triggered, this, [this] {
        const QString fileName = context_.prompts.chooseOpenFile(context_.settings.lastFolder());
        if (!fileName.isEmpty())
            compareWith(fileName);
    });
    bar.addAction(compare);
    QAction* note = commands.action(Command::EditNote);
    connect(note, &QAction::triggered, this, &TurnFeature::editNote);
    bar.addAction(note);
    connect(commands.action(Command::GameDice), &QAction::triggered, this,
            [this] { gameDice_.show(); });
}

void TurnFeature::positionReplaced(Session::Change change) {
    toggleReplay(false);
    switch (change) {
    case Session::Change::Opened:
        showOpenedTurn(true);
        break;
    case Session::Change::PastShown:
        showOpenedTurn(false);
        showPastHeading();
        break;
    case Session::Change::NewGame:
        context_.commands.action(Command::ShowMoves)->setChecked(false);
        [[fallthrough]];
    case Session::Change::Present:
        showOpenedTurn(false);
        context_.notices.clearNotice();
        break;
    }
    updateTurnCommands();
    showTurn();
}

const TurnDice* TurnFeature::shownDice() const {
    return context_.session.showsPast() ? nullptr : &context_.session.dice();
}

void TurnFeature::rebuildMoveLayer() {
    const Game& game = context_.session.game();
    moveLayer_->setMoves(buildMoveOverlay(shownChanges_, game.counters(), game.board()));
}

void TurnFeature::showMoves(std::vector<CounterChange> changes, const QString& heading,
                            bool switchOn) {
    toggleReplay(false);
    shownChanges_ = std::move(changes);
    rebuildMoveLayer();
    turnDock_->model().setTurn(shownChanges_, combatsOf<TurnListModel::Combat>(
                                                  context_.session.game().tags(), shownDice()));
    turnDock_->setHeading(heading);
    if (switchOn && !shownChanges_.empty())
        context_.commands.action(Command::ShowMoves)->setChecked(true);
    updateTurnCommands();
}

void TurnFeature::showOpenedTurn(bool switchOn) {
    const TurnKeeper& turn = context_.session.game().turn();
    const TurnMoves& moves = turn.openedMoves();
    showMoves(moves.changes, turnHeading(moves), switchOn);
    turnDock_->setNote(turn.openedNote());
    // The verdict is on the opened file: a kept position of the past shows none.
    const std::optional<DiceVerdict>& verdict = context_.session.dice().openedVerdict();
    if (verdict && !context_.session.showsPast())
        turnDock_->setDiceVerdict(tr("Their dice: %1").arg(verdict->text()), trustOf(*verdict));
    else
        turnDock_->setDiceVerdict({});
}

QString TurnFeature::pastShown() const {
    const Session& session = context_.session;
    const HistoryEntry& entry = session.past().shownEntry();
    // The locale's own date and time; the C locale keeps the one format Korva always showed.
    const QLocale locale;
    const QDateTime local = entry.time.toLocalTime();
    const QString when = locale.language() == QLocale::C
                             ? local.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                             : locale.toString(local, QLocale::ShortFormat);
    return tr("%1, %2 %3 (%4 of %5)")
        .arg(entry.title, entry.kind == HistoryEntry::Kind::Saved ? tr("saved") : tr("opened"),
             when)
        .arg(session.past().shownIndex() + 1)
        .arg(session.past().keptCount());
}

void TurnFeature::showPastHeading() {
    const QString where = plaintext::name(pastShown());
    turnDock_->setHeading(tr("History: %1\n%2").arg(where, turnDock_->heading()));
    context_.notices.showNotice(tr("The past, read-only: %1. %2 returns to the present.")
                                    .arg(where, context_.commands.keyText(Command::BackToPresent)),
                                10000);
}

void TurnFeature::chooseTurnRow(int hex, int counter) {
    if (!hexgrid::isValidHex(hex))
        return;
    mapFeature_.centreOnHex(hex);
    const Game& game = context_.session.game();
    if (counter > 0) {
        int row = 0;
        for (const auto& c : game.counters().counters())
            if (++row == counter) {
                moveLayer_->flash(moveoverlay::counterBox(*c, game.board()));
                return;
            }
    }
    moveLayer_->flash(moveoverlay::stackBox(game.board(), hex));
}

void TurnFeature::toggleReplay(bool on) {
    QAction* replay = context_.commands.action(Command::ReplayTurn);
    if (!on) {
        replay_.stop();
        moveLayer_->setShown(context_.commands.action(Command::ShowMoves)->isChecked());
        if (replay->isChecked())
            replay->setChecked(false);
        return;
    }
    if (replay_.controller().isActive())
        return;
    std::vector<ReplayStep> steps = replaySteps(
        shownChanges_, combatsOf<ReplayCombat>(context_.session.game().tags(), shownDice()));
    if (steps.empty()) {
        context_.notices.showNotice(tr("Nothing to replay"), 5000);
        replay->setChecked(false);
        return;
    }
    // The replay shows the moves itself; the arrows come back at its end.
    moveLayer_->setShown(false);
    replay_.start(std::move(steps));
}

void TurnFeature::updateTurnCommands() {
    const CommandTable& commands = context_.commands;
    const bool past = context_.session.showsPast();
    commands.action(Command::BackToPresent)->setEnabled(past);
    for (const Command step : {Command::HistoryFirst, Command::HistoryPrevious,
                               Command::HistoryNext, Command::HistoryLast, Command::GoToTurn})
        commands.action(step)->setEnabled(context_.session.history() != nullptr);
    commands.action(Command::EditNote)->setEnabled(!past);
    commands.action(Command::GameSetup)->setEnabled(!past);
}

void TurnFeature::showTurn() {
    const TurnOrder& order = context_.session.document().turnOrder();
    // The names come from files: in the tool tip, as plain text, where any length fits.
    turnButton_->setText(turnText(order, false));
    const QString players = playersText(order.players());
    plaintext::setToolTip(
        *turnButton_,
        (order.isKnown() ? (players.isEmpty() ? tr("No player's name was given") : players)
                         : tr("No file of this game said its turn")) +
            QLatin1Char('\n') + context_.commands.action(Command::GameSetup)->toolTip());
}

void TurnFeature::editGameSetup() {
    Session& session = context_.session;
    if (session.showsPast())
        return;
    GameSetupDialog dialog(GameSetupDialog::Mode::Edit, session.document().turnOrder(),
                           session.document().gameName(), &context_.window);
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted)
        return;
    session.document().setGameName(dialog.gameName());
    session.document().setTurnOrder(TurnOrder(dialog.turn(), dialog.players()));
}

void TurnFeature::stepHistory(PastBrowser::HistoryStep step) {
    if (!context_.session.history())
        return;
    play_.CancelDrag();
    tellStep(context_.session.past().stepHistory(step));
}

void TurnFeature::goToTurn() {
    Session& session = context_.session;
    if (!session.history())
        return;
    play_.CancelDrag();
    const std::vector<HistoryEntry> kept = session.past().keptEntries();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<TurnStart> starts = turnStarts(keptTurns(kept));
    QApplication::restoreOverrideCursor();
    if (starts.empty()) {
        context_.notices.showNotice(kept.empty() ? tr("The history holds nothing of this game")
                                                 : tr("No kept copy of this game says its turn"),
                                    5000);
        return;
    }
    // The turn shown now is offered first, else the newest.
    std::size_t shown = starts.size() - 1;
    const std::optional<TurnRecord>& now = session.document().turnOrder().record();
    for (std::size_t i = 0; i < starts.size(); ++i)
        if (now && starts[i].turn == *now)
            shown = i;
    GoToTurnDialog dialog(starts, shown, &context_.window);
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted)
        return;
    tellStep(session.past().showKept(starts[dialog.chosen()].index));
}

void TurnFeature::tellStep(PastBrowser::StepOutcome outcome) {
    switch (outcome) {
    case PastBrowser::StepOutcome::NothingKept:
        context_.notices.showNotice(tr("The history holds nothing of this game"), 5000);
        break;
    case PastBrowser::StepOutcome::Refused:
        context_.prompts.showWarning(tr("Can not show the kept copy\n") +
                                     context_.session.past().stepError());
        if (!context_.session.showsPast())
            showOpenedTurn(false);
        updateTurnCommands();
        break;
    case PastBrowser::StepOutcome::Shown:
    case PastBrowser::StepOutcome::BackToPresent:
    case PastBrowser::StepOutcome::Unchanged:
        break; // the session tells what it shows now
    }
}

void TurnFeature::compareWith(const QString& fileName) {
    OpenedMoveFile before;
    try {
        before = readOpenedMoveFile(fileName);
    } catch (const std::exception& error) {
        context_.prompts.showWarning(tr("Can not open file\n") + QString::fromUtf8(error.what()));
        return;
    }
    std::vector<CounterRecord> now;
    for (const auto& counter : context_.session.game().counters().counters())
        now.push_back(counter->record());
    std::vector<CounterChange> changes =
        turnChanges(presentPlaces(before.contents.counters), presentPlaces(now));
    const QString heading =
        tr("%1 since %2")
            .arg(changeCountText(changes.size()), plaintext::name(QFileInfo(fileName).fileName()));
    showMoves(std::move(changes), heading, true);
    turnDock_->setNote({});
    turnDock_->show();
}

void TurnFeature::editNote() {
    if (context_.session.showsPast())
        return;
    NoteEditor editor(context_.session.document().note(), &context_.window);
    if (context_.prompts.execDialog(editor) != QDialog::Accepted || !editor.fits())
        return;
    context_.session.document().setNote(editor.note());
}
