// The counter commands of the pop-up menu and the speed bar: flip, tag, return to start hex
// with its slide, undo, combat, show combat, hide combat tags, turning a stack over.
#include "app/play/playfeature.h"

#include "app/dialogs/tcombat.h"
#include "app/dialogs/tshowcombatdlg.h"
#include "app/map/mapview.h"
#include "app/shell/hextext.h"
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

#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QScopeGuard>
#include <QTimer>

void PlayFeature::pmFlipClick() {
    if (lastHex_ == -1 || !context_.session.document().flip(lastHex_))
        return;
    if (const ZeKCounter* c = context_.session.game().counterAt(lastHex_))
        statusPanels_[2]->setText(counterStatusText(*c));
}

void PlayFeature::pmNewClick() {
    if (lastHex_ != -1)
        context_.session.document().tag(lastHex_);
}

void PlayFeature::pmReturnClick() {
    const ZeKCounter* c = targetCounter();
    if (!c)
        return;
    const int from = lastHex_;
    const int s = c->startHex().index();
    {
        animating_ = true;
        const auto done = qScopeGuard([this] { animating_ = false; });
        AnimateMove(*c, from, 30, 1200, s);
    }
    context_.session.document().returnToStart(from);
    emit idle();
}

void PlayFeature::AnimateMove(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs,
                              int toHex) {
    const AFPoint p0 = ZeKClick(fromHex).position();
    const AFPoint p1 = ZeKClick(toHex).position();
    const auto dx = static_cast<float>((p1.x - p0.x) / stepCount);
    const auto dy = static_cast<float>((p1.y - p0.y) / stepCount);
    const int pause = totalMs / stepCount;

    LoadDragPicture(counter);
    // The slide is reckoned on the map and shown at the view's zoom and scroll position.
    const MapView& map = context_.map;
    const auto zoom = static_cast<float>(map.mapScale());
    QPointF start = map.viewportPointOf(QPointF(p0.x, p0.y));
    bDragImage_->move(start.toPoint());
    bDragImage_->show();
    bDragImage_->raise();
    for (int i = 0; i < stepCount; ++i) {
        start = map.viewportPointOf(QPointF(p0.x, p0.y)); // the scroll, read afresh
        const auto left =
            static_cast<int>(static_cast<float>(i) * dx * zoom + static_cast<float>(start.x()));
        const auto top =
            static_cast<int>(static_cast<float>(i) * dy * zoom + static_cast<float>(start.y()));
        bDragImage_->move(left, top);
        bDragImage_->repaint();
        if (pause_) {
            pause_(pause);
        } else {
            // Paint events still run, so the picture really moves; input waits.
            QEventLoop loop;
            QTimer::singleShot(pause, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    bDragImage_->hide();
}

void PlayFeature::sbUndoClick() {
    // Ctrl+Z during a drag puts the held counter back first.
    CancelDrag();
    context_.session.document().edits().undo();
}

void PlayFeature::sbRedoClick() {
    CancelDrag();
    context_.session.document().edits().redo();
}

void PlayFeature::pmCOmbatClick() {
    if (lastHex_ == -1)
        return;
    const int hex = lastHex_;
    // The session draws the die (from the turn's secret when the dice are fixed) and keeps
    // it with the comment written so far, before it shows.
    const TCombat* rolling = nullptr;
    TCombat dialog(
        [this, hex, &rolling](int offset) {
            return context_.session.rollDie(hex, offset, rolling->commentWin1252());
        },
        &context_.window);
    rolling = &dialog;
    dialog.setDieValue(lastHex_ % 6);
    if (context_.prompts.execDialog(dialog) == QDialog::Accepted)
        context_.session.addCombat(hex, dialog.dieValue(), dialog.commentWin1252());
}

void PlayFeature::pmShowCOmbatClick() {
    if (lastHex_ == -1)
        return;
    const TaggerMgr& tags = context_.session.game().tags();
    const AFPoint position = ZeKClick(lastHex_).position();
    int count = 0;
    tags.showCombatsAt(position, [&count](const Tagger&) { ++count; });
    const QString hex = hextext::label(lastHex_);
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

void PlayFeature::SpeedButton1Click() {
    context_.session.document().hideTags();
}

void PlayFeature::rotateTargetStack() {
    // As a click on the hex: the next counter comes to the top.
    if (lastHex_ == -1 || isDragging_)
        return;
    context_.session.document().rotateStack(lastHex_);
    showCounterTexts(lastHex_);
}
