// Moving counters with the mouse: pick up, the drag picture, drop, turning a stack over.
#include "app/play/playfeature.h"

#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/shell/commandtable.h"
#include "board/picturemodule.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QCursor>
#include <QLabel>

void PlayFeature::bImageMainMapMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton && !context_.session.showsPast())
        PickUpCounter(x, y);
}

void PlayFeature::bImageMainMapMouseMove(int x, int y) {
    UpdateStatus(x, y);
}

void PlayFeature::bImageMainMapMouseUp(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton)
        DropCounter(x, y);
}

void PlayFeature::placeDragImage(int pictureX, int pictureY) {
    bDragImage_->move(context_.map.viewportPointOf(QPointF(pictureX, pictureY)).toPoint());
}

void PlayFeature::PickUpCounter(int x, int y) {
    isDragging_ = false;
    const int h = ZeKClick(AFPoint(x, y)).index();
    const ZeKCounter* c = context_.session.game().counterAt(h);
    if (!c)
        return;
    dragFromHex_ = h;
    LoadDragPicture(*c);
    placeDragImage(x - 12, y - 12);
    bDragImage_->show();
    bDragImage_->raise();
    isDragging_ = true;
    // Esc must reach the held counter wherever the keyboard focus is.
    context_.commands.action(Command::PutBack)->setEnabled(true);
    context_.map.setDragScrolling(true);
}

void PlayFeature::DropCounter(int x, int y) {
    if (!isDragging_)
        return;
    endDrag();

    // Each drop is one step of the turn's edits; one that moves nothing is none.
    Session& session = context_.session;
    const int from = dragFromHex_;
    if (x >= 0 && x < hexgrid::kDropWidth && y >= 0 && y < hexgrid::kDropHeight) {
        const int to = ZeKClick(AFPoint(x, y)).index();
        if (to == from)
            session.document().rotateStack(to);
        else if (context_.commands.action(Command::MoveAll)->isChecked())
            session.document().moveAll(from, to);
        else
            session.document().moveTop(from, to);
    }

    lastHex_ = -1;
    UpdateStatus(x, y);
}

void PlayFeature::CancelDrag() {
    if (!isDragging_)
        return;
    // As a release outside the drop area: nothing moved.
    endDrag();
}

void PlayFeature::endDrag() {
    bDragImage_->hide();
    bDragImage_->move(0, 0);
    isDragging_ = false;
    context_.map.setDragScrolling(false);
    context_.commands.action(Command::PutBack)->setEnabled(false);
}

void PlayFeature::LoadDragPicture(const ZeKCounter& counter) {
    const QImage picture = context_.session.game().counterPictures().bitmap(counter.pictureId());
    // The picture at the map's zoom, drawn afresh where it can be.
    const QPixmap shown = mapFeature_.pictureAtZoom(counter.pictureId(), picture);
    bDragImage_->setPixmap(shown);
    bDragImage_->resize(shown.deviceIndependentSize().toSize());
}

void PlayFeature::zoomDuringDrag() {
    if (!isDragging_)
        return;
    if (const ZeKCounter* c = context_.session.game().counterAt(dragFromHex_))
        LoadDragPicture(*c);
    const QPoint p = context_.map.mapPixelAt(context_.map.mapFromGlobal(QCursor::pos()));
    placeDragImage(p.x() - 12, p.y() - 12);
}
