// Playing from the keyboard: the hex cursor, picking up and dropping with Enter, the flash
// of a found counter, and the stack viewer.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "app/mainwindow/stackviewer.h"
#include "game/game.h"
#include "geometry/zekclick.h"

#include <QApplication>
#include <QCursor>

namespace {

// The middle of a hex's counter area, in map pixels: the point the mouse would be at.
QPoint hexCentre(int hex) {
    const AFPoint p = ZeKClick(hex).position();
    return {p.x + 12, p.y + 19};
}

} // namespace

void TMainForm::pointAtHex(int hex) {
    const QPoint centre = hexCentre(hex);
    UpdateStatus(centre.x(), centre.y());
}

void TMainForm::flashCounter(int hex, int level, int count) {
    Q_UNUSED(hex);
    Q_UNUSED(level);
    Q_UNUSED(count);
}

void TMainForm::setUpStackViewer() {
    stackViewer_ = new StackViewer(*game_, mapView_, [this] {
        return isDragging_ || animating_ || QApplication::activePopupWidget() != nullptr ||
               QApplication::activeModalWidget() != nullptr;
    });
    connect(mapView_, &MapView::mouseMoved, stackViewer_, [this](int x, int y) {
        if (!isDragging_)
            stackViewer_->pointerAt(ZeKClick(AFPoint(x, y)).index(), QCursor::pos());
    });
}

QPoint TMainForm::menuPoint() const {
    return QCursor::pos();
}
