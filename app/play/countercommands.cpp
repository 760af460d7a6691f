// The counter commands of the pop-up menu and the speed bar: flip, tag, return to start hex
// with its slide, undo, combat, show combat, hide combat tags, turning a stack over.
#include "app/play/countercommands.h"

#include "app/dialogs/tcombat.h"
#include "app/dialogs/tshowcombatdlg.h"
#include "app/play/counterdrag.h"
#include "app/play/editsdock.h"
#include "app/play/statuspanels.h"
#include "app/shell/commandtable.h"
#include "app/shell/hextext.h"
#include "app/shell/noticebar.h"
#include "app/shell/prompts.h"
#include "app/shell/trustlabel.h"
#include "base/win1252.h"
#include "combat/taggermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "game/turndice.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QMainWindow>
#include <QUndoStack>

CounterCommands::CounterCommands(const FeatureContext& context, QObject& owner, CounterDrag& drag,
                                 StatusPanels& panels, std::function<void()> idle)
    : context_(context), drag_(drag), panels_(panels), idle_(std::move(idle)) {
    connectActions(owner);
}

CounterCommands::~CounterCommands() = default;

void CounterCommands::connectActions(QObject& owner) {
    const CommandTable& commands = context_.commands;
    const std::pair<Command, void (CounterCommands::*)()> handlers[] = {
        {Command::Flip, &CounterCommands::pmFlipClick},
        {Command::Tag, &CounterCommands::pmNewClick},
        {Command::Return, &CounterCommands::pmReturnClick},
        {Command::Combat, &CounterCommands::pmCOmbatClick},
        {Command::ShowCombat, &CounterCommands::pmShowCOmbatClick},
        {Command::Undo, &CounterCommands::sbUndoClick},
        {Command::Redo, &CounterCommands::sbRedoClick},
        {Command::HideCombatTags, &CounterCommands::SpeedButton1Click},
        {Command::RotateStack, &CounterCommands::rotateTargetStack},
    };
    for (const auto& [command, handler] : handlers)
        QObject::connect(commands.action(command), &QAction::triggered, &owner,
                         [this, handler = handler] { (this->*handler)(); });
    updateUndoCommands();
    QObject::connect(&context_.session.document().edits(), &EditStack::changed, &owner,
                     [this] { updateUndoCommands(); });
    QObject::connect(&context_.session.document().edits(), &EditStack::rollStands, &owner, [this] {
        context_.notices.showNotice(tr("A die roll cannot be taken back; undo stops here"), 5000);
    });

    editsDock_ = new EditsDock(context_.session.document().edits(), &context_.window);
    editsDock_->hide();
    QAction* edits = commands.action(Command::TurnEdits);
    QObject::connect(edits, &QAction::toggled, editsDock_, &QDockWidget::setVisible);
    QObject::connect(editsDock_->toggleViewAction(), &QAction::toggled, edits,
                     &QAction::setChecked);
}

void CounterCommands::updateUndoCommands() {
    const Session& session = context_.session;
    const QUndoStack& edits = session.document().edits().stack();
    const CommandTable& commands = context_.commands;
    QAction* undo = commands.action(Command::Undo);
    undo->setEnabled(session.document().edits().canUndo());
    if (!session.document().edits().canUndo())
        undo->setToolTip(tr("Undo last move (%1)").arg(commands.keyText(Command::Undo)));
    else if (session.document().edits().atRollLine())
        undo->setToolTip(
            tr("A die roll cannot be taken back (%1)").arg(commands.keyText(Command::Undo)));
    else
        undo->setToolTip(
            tr("Undo: %1 (%2)").arg(edits.undoText(), commands.keyText(Command::Undo)));
    QAction* redo = commands.action(Command::Redo);
    redo->setEnabled(session.document().edits().canRedo());
    redo->setToolTip(
        session.document().edits().canRedo()
            ? tr("Redo: %1 (%2)").arg(edits.redoText(), commands.keyText(Command::Redo))
            : tr("Redo (%1)").arg(commands.keyText(Command::Redo)));
}

void CounterCommands::positionReplaced() {
    const bool present = !context_.session.showsPast();
    for (const Command command : {Command::MoveAll, Command::Flip, Command::Tag, Command::Return,
                                  Command::Combat, Command::RotateStack})
        context_.commands.action(command)->setEnabled(present);
    updateUndoCommands();
}

ZeKCounter* CounterCommands::targetCounter() const {
    const int hex = panels_.lastHex();
    return hex == -1 ? nullptr : context_.session.game().counterAt(hex);
}

void CounterCommands::pmFlipClick() {
    const int hex = panels_.lastHex();
    if (hex == -1 || !context_.session.document().flip(hex))
        return;
    if (const ZeKCounter* c = context_.session.game().counterAt(hex))
        panels_.showCounter(*c);
}

void CounterCommands::pmNewClick() {
    if (const int hex = panels_.lastHex(); hex != -1)
        context_.session.document().tag(hex);
}

void CounterCommands::pmReturnClick() {
    const ZeKCounter* c = targetCounter();
    if (!c)
        return;
    const int from = panels_.lastHex();
    drag_.slide(*c, from, 30, 1200, c->startHex().index());
    context_.session.document().returnToStart(from);
    idle_();
}

void CounterCommands::sbUndoClick() {
    // Ctrl+Z during a drag puts the held counter back first.
    drag_.cancel();
    context_.session.document().edits().undo();
}

void CounterCommands::sbRedoClick() {
    drag_.cancel();
    context_.session.document().edits().redo();
}

void CounterCommands::pmCOmbatClick() {
    const int hex = panels_.lastHex();
    if (hex == -1)
        return;
    if (context_.session.serverDice().isServerGame()) {
        serverCombat(hex);
        return;
    }
    // The session draws the die (from the turn's secret when the dice are fixed) and keeps
    // it with the comment written so far, before it shows.
    const TCombat* rolling = nullptr;
    TCombat dialog(
        [this, hex, &rolling](int offset) {
            return context_.session.rollDie(hex, offset, rolling->commentWin1252());
        },
        &context_.window);
    rolling = &dialog;
    dialog.setDieValue(hex % 6);
    if (context_.prompts.execDialog(dialog) == QDialog::Accepted)
        context_.session.addCombat(hex, dialog.dieValue(), dialog.commentWin1252());
}

void CounterCommands::serverCombat(int hex) {
    // The server draws the die; the session takes it once its signed record checks out.
    const TCombat* rolling = nullptr;
    TCombat dialog(
        [this, hex, &rolling](const TCombat::Answer& answer) {
            if (!serverDie_) {
                answer(0, tr("Korva is not connected to this game's server"));
                return;
            }
            serverDie_(hex, rolling->commentWin1252(), answer);
        },
        &context_.window);
    rolling = &dialog;
    if (context_.prompts.execDialog(dialog) == QDialog::Accepted)
        context_.session.addCombat(hex, dialog.dieValue(), dialog.commentWin1252());
}

void CounterCommands::pmShowCOmbatClick() {
    const int at = panels_.lastHex();
    if (at == -1)
        return;
    const TaggerMgr& tags = context_.session.game().tags();
    const AFPoint position = ZeKClick(at).position();
    int count = 0;
    tags.showCombatsAt(position, [&count](const Tagger&) { ++count; });
    const QString hex = hextext::label(at);
    // The rolls' numbers and verdict belong to the opened file, not to a kept past.
    const TurnDice* dice = context_.session.showsPast() ? nullptr : &context_.session.dice();
    const std::optional<DiceVerdict> noVerdict;
    const std::optional<DiceVerdict>& verdict = dice ? dice->openedVerdict() : noVerdict;
    // A hex of a few records shows each of them, however the dialog was closed; a file may
    // record thousands at one hex, and the dialog is modal: there Esc or the close box ends
    // the list.
    const bool mayEnd = count > kFewRecords;
    bool ended = false;
    int shown = 0;
    std::size_t own = 0;
    std::size_t opened = 0;
    // Made at its first use, not with the window; kept, so it keeps its place.
    if (!showCombatDlg_)
        showCombatDlg_ = std::make_unique<TShowCombatDlg>(&context_.window);
    tags.showCombatsAt(position, [&](const Tagger& tag) {
        if (ended)
            return;
        showCombatDlg_->setRecord(tag.dieValue(), win1252::toUnicode(tag.comment()));
        const RollMark mark = !dice            ? RollMark{}
                              : tag.fromFile() ? dice->openedMark(position, opened++)
                                               : dice->ownMark(position, own++);
        QString who = tag.fromFile() ? tr("opponent's roll") : tr("your roll");
        if (mark.number != 0)
            who = tag.fromFile() ? tr("opponent's %1").arg(TurnDice::markText(mark))
                                 : tr("your %1").arg(TurnDice::markText(mark));
        QString place = QStringLiteral("%1 \u2013 %2 \u2013 %3")
                            .arg(hex, who, tr("%1 of %2").arg(++shown).arg(count));
        Trust trust = trustOf(mark, tag.fromFile());
        // The one verdict on the opponent's rolls goes with each of them.
        if (tag.fromFile() && verdict) {
            place += QStringLiteral(" \u2013 ") + verdict->text();
            if (trustOf(*verdict) == Trust::Refuted)
                trust = Trust::Refuted;
        }
        if (mayEnd)
            place += QStringLiteral(" \u2013 ") + tr("Esc ends the list");
        showCombatDlg_->setPlace(place, trust);
        if (context_.prompts.execDialog(*showCombatDlg_) != QDialog::Accepted && mayEnd)
            ended = true;
    });
}

void CounterCommands::SpeedButton1Click() {
    context_.session.document().hideTags();
}

void CounterCommands::rotateTargetStack() {
    // As a click on the hex: the next counter comes to the top.
    const int hex = panels_.lastHex();
    if (hex == -1 || drag_.isDragging())
        return;
    context_.session.document().rotateStack(hex);
    panels_.refresh();
}
