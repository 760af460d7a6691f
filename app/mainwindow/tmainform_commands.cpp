// The counter commands of the pop-up menu and the tool bar: flip, tag, return, undo,
// combat, show combat, hide tags, about.
#include "tmainform.h"

#include "dierandom.h"
#include "dietrace.h"
#include "hexgrid.h"
#include "mapboard.h"
#include "mapview.h"
#include "taggermgr.h"
#include "tcombat.h"
#include "tfrmabout.h"
#include "tshowcombatdlg.h"
#include "ui_mainform.h"
#include "win1252.h"
#include "zekclick.h"
#include "zekcounter.h"
#include "zekcounterat.h"

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QScopeGuard>
#include <QTimer>

#include <cmath>

ZeKCounter* TMainForm::targetCounter() const {
    return lastHex_ == -1 ? nullptr : zekCounterAt(*mapBoard_, lastHex_);
}

void TMainForm::pmFlipClick() {
    ZeKCounter* c = targetCounter();
    if (!c)
        return;
    c->cycleLosses();
    mapBoard_->redrawHex(lastHex_);
    statusPanels_[2]->setText(counterStatusText(*c));
    markChanged();
}

void TMainForm::pmNewClick() {
    ZeKCounter* c = targetCounter();
    if (!c)
        return;
    c->cycleMarker();
    mapBoard_->redrawHex(lastHex_);
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
    mapBoard_->moveTop(from, s);
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
    // Ctrl+Z during a drag: the press already replaced the record's source hex.
    CancelDrag();
    if (undoToHex_ == -1 || dragFromHex_ == -1)
        return;
    mapBoard_->moveTop(undoToHex_, dragFromHex_);
    clearUndoRecord();
    markChanged();
}

void TMainForm::pmCOmbatClick() {
    if (lastHex_ == -1)
        return;
    TCombat dialog([](int offset) { return rollDie(6, 0, offset); }, this);
    dialog.setDieValue(lastHex_ % 6);
    if (prompts_->execDialog(dialog) == QDialog::Accepted) {
        taggerMgr_->addCombat(
            TaggerInfo{ZeKClick(lastHex_).position(), dialog.dieValue(), dialog.commentWin1252()});
        markChanged();
    }
}

void TMainForm::pmShowCOmbatClick() {
    if (lastHex_ == -1)
        return;
    taggerMgr_->showCombatsAt(ZeKClick(lastHex_).position(), [this](const Tagger& tag) {
        showCombatDlg_->setRecord(tag.dieValue(), win1252::toUnicode(tag.comment()));
        prompts_->execDialog(*showCombatDlg_);
    });
}

void TMainForm::SpeedButton1Click() {
    taggerMgr_->hideTags();
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
