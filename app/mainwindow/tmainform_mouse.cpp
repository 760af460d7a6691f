// Moving counters with the mouse: pick up, drag picture, drop, rotate a stack.
#include "tmainform.h"

#include "mapboard.h"
#include "mapview.h"
#include "picturemodule.h"
#include "ui_mainform.h"
#include "zekclick.h"
#include "zekcounter.h"
#include "zekcounterat.h"

#include <QLabel>
#include <QMenu>

namespace {
// The drop area in picture pixels: beyond it nothing moves.
constexpr int kDropWidth = 1494;
constexpr int kDropHeight = 2720;
} // namespace

void TMainForm::bImageMainMapMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton)
        PickUpCounter(x, y);
}

void TMainForm::bImageMainMapMouseMove(int x, int y) {
    UpdateStatus(x, y);
}

void TMainForm::bImageMainMapMouseUp(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton)
        DropCounter(x, y);
}

void TMainForm::placeDragImage(int pictureX, int pictureY) {
    bDragImage_->move(mapView_->viewportPointOf(QPointF(pictureX, pictureY)).toPoint());
}

void TMainForm::clearUndoRecord() {
    undoToHex_ = -1;
    dragFromHex_ = -1;
    ui_->sbUndo->setEnabled(false);
}

void TMainForm::PickUpCounter(int x, int y) {
    isDragging_ = false;
    const int h = ZeKClick(AFPoint(x, y)).index();
    dragFromHex_ = h;
    const ZeKCounter* c = zekCounterAt(*mapBoard_, h);
    if (!c) {
        // The previous move can no longer be undone.
        dragFromHex_ = -1;
        ui_->sbUndo->setEnabled(false);
        return;
    }
    LoadDragPicture(*c);
    placeDragImage(x - 12, y - 12);
    bDragImage_->show();
    bDragImage_->raise();
    isDragging_ = true;
    // Esc must reach the map wherever the keyboard focus is.
    mapView_->grabKeyboard();
    mapView_->setDragScrolling(true);
}

void TMainForm::DropCounter(int x, int y) {
    if (!isDragging_)
        return;
    endDrag();

    if (x >= 0 && x < kDropWidth && y >= 0 && y < kDropHeight) {
        const int to = ZeKClick(AFPoint(x, y)).index();
        if (to == dragFromHex_) {
            mapBoard_->rotateStack(to);
            clearUndoRecord();
        } else if (ui_->sbMoveAll->isChecked()) {
            mapBoard_->moveAll(dragFromHex_, to);
            clearUndoRecord();
            markChanged();
        } else {
            mapBoard_->moveTop(dragFromHex_, to);
            undoToHex_ = to;
            ui_->sbUndo->setEnabled(true);
            markChanged();
        }
    } else {
        clearUndoRecord();
    }

    lastHex_ = -1;
    UpdateStatus(x, y);
}

void TMainForm::CancelDrag() {
    if (!isDragging_)
        return;
    endDrag();
    // As for a release outside the drop area: nothing moved, and the press already took
    // the source of the last move out of the undo record.
    clearUndoRecord();
}

void TMainForm::endDrag() {
    bDragImage_->hide();
    bDragImage_->move(0, 0);
    isDragging_ = false;
    mapView_->setDragScrolling(false);
    mapView_->releaseKeyboard();
}

void TMainForm::requestMenu(const QPoint& globalPos) {
    // A menu would take the left release that ends the drag.
    if (!isDragging_)
        bMainPopupMenu_->popup(globalPos);
}

void TMainForm::LoadDragPicture(const ZeKCounter& counter) {
    const QImage picture = resModule2_->bitmap(counter.pictureId());
    // The picture at the map's zoom, drawn afresh where it can be.
    const QPixmap shown = pictureAtZoom(counter.pictureId(), picture);
    bDragImage_->setPixmap(shown);
    bDragImage_->resize(shown.deviceIndependentSize().toSize());
}
