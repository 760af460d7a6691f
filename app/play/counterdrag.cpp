#include "app/play/counterdrag.h"

#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/pictures/counterart.h"
#include "app/shell/commandtable.h"
#include "board/picturemodule.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QScopeGuard>
#include <QTimer>

CounterDrag::CounterDrag(const FeatureContext& context, MapFeature& mapFeature,
                         std::function<void(int)> pause, std::function<void(int, int)> dropped)
    : context_(context), mapFeature_(mapFeature), pause_(std::move(pause)),
      dropped_(std::move(dropped)) {
    // Created after the map so that it lies above it; it moves in viewport coordinates.
    image_ = new QLabel(context_.map.parentWidget());
    image_->setObjectName(QStringLiteral("bDragImage"));
    image_->setGeometry(0, 0, 24, 24);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_->hide();
}

void CounterDrag::place(int x, int y) {
    const QPointF topLeft(x - counterart::kDragOffset, y - counterart::kDragOffset);
    image_->move(context_.map.viewportPointOf(topLeft).toPoint());
}

void CounterDrag::follow(int x, int y) {
    if (dragging_)
        place(x, y);
}

void CounterDrag::pickUp(int x, int y) {
    dragging_ = false;
    const int h = ZeKClick(AFPoint(x, y)).index();
    const ZeKCounter* c = context_.session.game().counterAt(h);
    if (!c)
        return;
    fromHex_ = h;
    loadPicture(*c);
    place(x, y);
    image_->show();
    image_->raise();
    dragging_ = true;
    // Esc must reach the held counter wherever the keyboard focus is.
    context_.commands.action(Command::PutBack)->setEnabled(true);
    context_.map.setDragScrolling(true);
}

void CounterDrag::drop(int x, int y) {
    if (!dragging_)
        return;
    endDrag();

    // Each drop is one step of the turn's edits; one that moves nothing is none.
    Session& session = context_.session;
    const int from = fromHex_;
    if (x >= 0 && x < hexgrid::kDropWidth && y >= 0 && y < hexgrid::kDropHeight) {
        const int to = ZeKClick(AFPoint(x, y)).index();
        if (to == from)
            session.document().rotateStack(to);
        else if (context_.commands.action(Command::MoveAll)->isChecked())
            session.document().moveAll(from, to);
        else
            session.document().moveTop(from, to);
    }
    dropped_(x, y);
}

void CounterDrag::cancel() {
    if (!dragging_)
        return;
    // As a release outside the drop area: nothing moved.
    endDrag();
}

void CounterDrag::endDrag() {
    image_->hide();
    image_->move(0, 0);
    dragging_ = false;
    context_.map.setDragScrolling(false);
    context_.commands.action(Command::PutBack)->setEnabled(false);
}

void CounterDrag::loadPicture(const ZeKCounter& counter) {
    const QImage picture = context_.session.game().counterPictures().bitmap(counter.pictureId());
    // The picture at the map's zoom, drawn afresh where it can be.
    const QPixmap shown = mapFeature_.pictureAtZoom(counter.pictureId(), picture);
    image_->setPixmap(shown);
    image_->resize(shown.deviceIndependentSize().toSize());
}

void CounterDrag::zoomChanged() {
    if (!dragging_)
        return;
    if (const ZeKCounter* c = context_.session.game().counterAt(fromHex_))
        loadPicture(*c);
    const QPoint p = context_.map.mapPixelAt(context_.map.mapFromGlobal(QCursor::pos()));
    place(p.x(), p.y());
}

void CounterDrag::slide(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs,
                        int toHex) {
    animating_ = true;
    const auto done = qScopeGuard([this] { animating_ = false; });
    const AFPoint p0 = ZeKClick(fromHex).position();
    const AFPoint p1 = ZeKClick(toHex).position();
    const auto dx = static_cast<float>((p1.x - p0.x) / stepCount);
    const auto dy = static_cast<float>((p1.y - p0.y) / stepCount);
    const int pause = totalMs / stepCount;

    loadPicture(counter);
    // The slide is reckoned on the map and shown at the view's zoom and scroll position.
    const MapView& map = context_.map;
    const auto zoom = static_cast<float>(map.mapScale());
    QPointF start = map.viewportPointOf(QPointF(p0.x, p0.y));
    image_->move(start.toPoint());
    image_->show();
    image_->raise();
    for (int i = 0; i < stepCount; ++i) {
        start = map.viewportPointOf(QPointF(p0.x, p0.y)); // the scroll, read afresh
        const auto left =
            static_cast<int>(static_cast<float>(i) * dx * zoom + static_cast<float>(start.x()));
        const auto top =
            static_cast<int>(static_cast<float>(i) * dy * zoom + static_cast<float>(start.y()));
        image_->move(left, top);
        image_->repaint();
        if (pause_) {
            pause_(pause);
        } else {
            // Paint events still run, so the picture really moves; input waits.
            QEventLoop loop;
            QTimer::singleShot(pause, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    image_->hide();
}
