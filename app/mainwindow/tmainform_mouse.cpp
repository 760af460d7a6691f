// Moving counters with the mouse: pick up, drag picture, drop, rotate a stack.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "board/picturemodule.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "ui_mainform.h"

#include <QLabel>
#include <QMenu>

void TMainForm::bImageMainMapMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton && !game_->showsPast())
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
    const ZeKCounter* c = game_->counterAt(h);
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

    if (x >= 0 && x < hexgrid::kDropWidth && y >= 0 && y < hexgrid::kDropHeight) {
        const int to = ZeKClick(AFPoint(x, y)).index();
        if (to == dragFromHex_) {
            game_->rotateStack(to);
            clearUndoRecord();
        } else if (ui_->sbMoveAll->isChecked()) {
            game_->moveAll(dragFromHex_, to);
            clearUndoRecord();
            markChanged();
        } else {
            game_->moveTop(dragFromHex_, to);
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
    if (game_->showsPast())
        return; // every command of the menu would change the past
    // A menu would take the left release that ends the drag.
    if (!isDragging_)
        bMainPopupMenu_->popup(globalPos);
}

void TMainForm::LoadDragPicture(const ZeKCounter& counter) {
    const QImage picture = game_->counterPictures().bitmap(counter.pictureId());
    // The picture at the map's zoom, drawn afresh where it can be.
    const QPixmap shown = pictureAtZoom(counter.pictureId(), picture);
    bDragImage_->setPixmap(shown);
    bDragImage_->resize(shown.deviceIndependentSize().toSize());
}
