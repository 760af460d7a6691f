// The counter commands of the pop-up menu and the tool bar: flip, tag, return, undo,
// combat, show combat, hide tags, about.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "app/windows/tfrmabout.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "combat/dialogs/tcombat.h"
#include "combat/dialogs/tshowcombatdlg.h"
#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "combat/taggermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "ui_mainform.h"

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QScopeGuard>
#include <QTimer>

#include <cmath>

ZeKCounter* TMainForm::targetCounter() const {
    return lastHex_ == -1 ? nullptr : game_->counterAt(lastHex_);
}

void TMainForm::pmFlipClick() {
    if (lastHex_ == -1)
        return;
    if (const ZeKCounter* c = game_->cycleLosses(lastHex_)) {
        statusPanels_[2]->setText(counterStatusText(*c));
        markChanged();
    }
}

void TMainForm::pmNewClick() {
    if (lastHex_ != -1 && game_->cycleMarker(lastHex_))
        markChanged();
}

void TMainForm::pmReturnClick() {
    const ZeKCounter* c = targetCounter();
    if (!c)
        return;
    const int from = lastHex_;
    const int s = c->startHex().index();
    // The return counts from here: the slide takes 1.2 s.
    markChanged();
    {
        animating_ = true;
        const auto done = qScopeGuard([this] { animating_ = false; });
        AnimateMove(*c, from, 30, 1200, s);
    }
    game_->moveTop(from, s);
    dragFromHex_ = from;
    undoToHex_ = s;
    ui_->sbUndo->setEnabled(true);
    if (closePending_) {
        closePending_ = false;
        close();
    }
}

void TMainForm::AnimateMove(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs,
                            int toHex) {
    const AFPoint p0 = ZeKClick(fromHex).position();
    const AFPoint p1 = ZeKClick(toHex).position();
    const auto dx = static_cast<float>((p1.x - p0.x) / stepCount);
    const auto dy = static_cast<float>((p1.y - p0.y) / stepCount);
    const int pause = totalMs / stepCount;

    LoadDragPicture(counter);
    // The slide is reckoned on the map and shown at the view's zoom and scroll position.
    const auto zoom = static_cast<float>(mapView_->mapScale());
    QPointF start = mapView_->viewportPointOf(QPointF(p0.x, p0.y));
    bDragImage_->move(start.toPoint());
    bDragImage_->show();
    bDragImage_->raise();
    for (int i = 0; i < stepCount; ++i) {
        start = mapView_->viewportPointOf(QPointF(p0.x, p0.y)); // the scroll, read afresh
        const auto left =
            static_cast<int>(static_cast<float>(i) * dx * zoom + static_cast<float>(start.x()));
        const auto top =
            static_cast<int>(static_cast<float>(i) * dy * zoom + static_cast<float>(start.y()));
        bDragImage_->move(left, top);
        bDragImage_->repaint();
        if (setup_.pause) {
            setup_.pause(pause);
        } else {
            // Paint events still run, so the picture really moves; input waits.
            QEventLoop loop;
            QTimer::singleShot(pause, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    bDragImage_->hide();
}

void TMainForm::sbUndoClick() {
    if (game_->showsPast())
        return;
    // Ctrl+Z during a drag: the press already replaced the record's source hex.
    CancelDrag();
    if (undoToHex_ == -1 || dragFromHex_ == -1)
        return;
    game_->moveTop(undoToHex_, dragFromHex_);
    clearUndoRecord();
    markChanged();
}

void TMainForm::pmCOmbatClick() {
    if (lastHex_ == -1)
        return;
    TCombat dialog([](int offset) { return rollDie(6, 0, offset); }, this);
    dialog.setDieValue(lastHex_ % 6);
    if (prompts_->execDialog(dialog) == QDialog::Accepted) {
        game_->addCombat(
            TaggerInfo{ZeKClick(lastHex_).position(), dialog.dieValue(), dialog.commentWin1252()});
        markChanged();
    }
}

void TMainForm::pmShowCOmbatClick() {
    if (lastHex_ == -1)
        return;
    const AFPoint position = ZeKClick(lastHex_).position();
    int count = 0;
    game_->tags().showCombatsAt(position, [&count](const Tagger&) { ++count; });
    const QString hex = QString::fromStdString(hexgrid::hexLabel(lastHex_));
    int shown = 0;
    game_->tags().showCombatsAt(position, [&](const Tagger& tag) {
        showCombatDlg_->setRecord(tag.dieValue(), win1252::toUnicode(tag.comment()));
        showCombatDlg_->setPlace(QStringLiteral("%1 \u2013 %2 \u2013 %3 of %4")
                                     .arg(hex, tag.fromFile() ? QStringLiteral("opponent's roll")
                                                              : QStringLiteral("your roll"))
                                     .arg(++shown)
                                     .arg(count));
        prompts_->execDialog(*showCombatDlg_);
    });
}

void TMainForm::SpeedButton1Click() {
    game_->hideTags();
}

void TMainForm::sbAboutClick() {
    {
        TfrmAbout about(this);
        prompts_->execDialog(about);
    }
    if (!setup_.traceFolder.isEmpty())
        setTracePath(QDir(setup_.traceFolder).filePath(QStringLiteral("trace.txt")));
    if (const QString refusal = traceFileRefusal(); !refusal.isEmpty())
        prompts_->showWarning(QStringLiteral("No die-roll trace was written: %1.").arg(refusal));
    // The rolls advance the die all the same.
    TraceDieRolls();
}
