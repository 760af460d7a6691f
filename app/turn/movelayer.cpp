#include "app/turn/movelayer.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int kFlashMs = 1500;
constexpr double kFlashReach = 6; // the frame's gap and pen, outside the box

} // namespace

MoveLayer::MoveLayer() {
    flashTimer_.setSingleShot(true);
    flashTimer_.setInterval(kFlashMs);
    QObject::connect(&flashTimer_, &QTimer::timeout, [this] {
        requestRepaint(flashBox_.adjusted(-kFlashReach, -kFlashReach, kFlashReach, kFlashReach));
    });
}

void MoveLayer::repaintMoves() {
    if (!moves_.isEmpty())
        requestRepaint(moves_.bounds());
}

void MoveLayer::setMoves(MoveOverlay moves) {
    // A move changes an arrow or two among many: only those are repainted.
    if (shown_)
        requestRepaint(changedAreas(moves_, moves));
    moves_ = std::move(moves);
}

void MoveLayer::setShown(bool shown) {
    if (shown == shown_)
        return;
    shown_ = shown;
    repaintMoves();
}

void MoveLayer::flash(const QRectF& box) {
    if (flashTimer_.isActive())
        requestRepaint(flashBox_.adjusted(-kFlashReach, -kFlashReach, kFlashReach, kFlashReach));
    flashBox_ = box;
    flashTimer_.start();
    requestRepaint(box.adjusted(-kFlashReach, -kFlashReach, kFlashReach, kFlashReach));
}

void MoveLayer::paint(QPainter& painter, const QRectF& exposed) {
    if (shown_ && moves_.bounds().intersects(exposed))
        paintMoveOverlay(painter, moves_, exposed);
    if (flashTimer_.isActive()) {
        // White over black reads on every colour of the map and of both sides.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const QRectF frame = flashBox_.adjusted(-3, -3, 3, 3);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::white, 2.5));
        painter.drawRect(frame);
    }
}
