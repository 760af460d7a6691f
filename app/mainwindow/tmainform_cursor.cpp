// Playing from the keyboard: the hex cursor, picking up and dropping with Enter, the flash
// of a found counter, readable losses, and the stack viewer.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/counterflash.h"
#include "app/mainwindow/hexcursor.h"
#include "app/mainwindow/lossbadges.h"
#include "app/mainwindow/mapview.h"
#include "app/mainwindow/stackviewer.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QToolBar>

namespace {

// The tool bar's picture for readable losses: a counter with its loss number in the corner.
QImage lossesGlyph() {
    QImage glyph(20, 20, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0xD8, 0xC8, 0x90));
    painter.drawRect(QRectF(1.5, 1.5, 14, 14));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xE6, 0x9F, 0x00));
    painter.drawRect(QRectF(8.5, 8.5, 11, 11));
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(9, 9, 11, 11), Qt::AlignCenter, QStringLiteral("1"));
    return glyph;
}

} // namespace

void TMainForm::setUpHexCursor() {
    hexCursor_ = new HexCursor(mapView_, [this] {
        if (lastHex_ != -1)
            return lastHex_;
        const QPointF middle = mapView_->visibleMapRect().center();
        return ZeKClick(AFPoint(int(middle.x()), int(middle.y()))).index();
    });
    mapView_->addOverlay(hexCursor_);
    counterFlash_ = new CounterFlash(this);
    mapView_->addOverlay(counterFlash_);
    lossBadges_ = std::make_unique<LossBadges>(*game_);
    mapView_->addOverlay(lossBadges_.get());

    connect(hexCursor_, &HexCursor::stepped, this, &TMainForm::pointAtHex);
    connect(hexCursor_, &HexCursor::enterPressed, this, [this] {
        const AFPoint c = hexgrid::hexCentre(hexCursor_->hex());
        // The mouse's own pick-up and drop, so a key move is undone, rotated and
        // moved-all exactly as a drag.
        if (isDragging_)
            DropCounter(c.x, c.y);
        else
            PickUpCounter(c.x, c.y);
    });
    // The mouse takes over from the keyboard once it enters another hex.
    connect(mapView_, &MapView::mouseMoved, hexCursor_, [this](int x, int y) {
        if (ZeKClick(AFPoint(x, y)).index() != hexCursor_->hex())
            hexCursor_->hideOutline();
    });

    auto* losses = readableLossesAction_ = new QAction(QStringLiteral("Readable losses"), this);
    losses->setObjectName(QStringLiteral("actReadableLosses"));
    losses->setCheckable(true);
    losses->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    losses->setToolTip(QStringLiteral("Readable losses: the number over each counter (Ctrl+L)"));
    losses->setIcon(QIcon(QPixmap::fromImage(lossesGlyph())));
    connect(losses, &QAction::toggled, this, [this](bool on) { lossBadges_->setEnabled(on); });
    bKorvaToolBar_->addAction(losses);
}

void TMainForm::pointAtHex(int hex) {
    const AFPoint centre = hexgrid::hexCentre(hex);
    UpdateStatus(centre.x, centre.y);
    hexCursor_->setHex(hex);
    const AFPoint p = ZeKClick(hex).position();
    mapView_->ensureVisible(QRectF(p.x - 12, p.y, 48, 39), 40);
}

void TMainForm::flashCounter(int hex, int level, int count) {
    counterFlash_->start(hex, level, count);
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
    if (!hexCursor_->isShown())
        return QCursor::pos();
    const AFPoint centre = hexgrid::hexCentre(hexCursor_->hex());
    return mapView_->mapToGlobal(mapView_->viewPointOf(QPointF(centre.x, centre.y)).toPoint());
}
