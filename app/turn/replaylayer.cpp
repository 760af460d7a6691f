#include "app/turn/replaylayer.h"

#include "app/shell/trustlabel.h"
#include "app/turn/replaycontroller.h"
#include "base/untrustedtext.h"
#include "board/hex.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/picturemodule.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "overlay/moveoverlay.h"

#include <QFontMetricsF>
#include <QPainter>

#include <unordered_map>
#include <unordered_set>

namespace {

constexpr double kCounterSize = 24;
// Counters of one stack drawn while they move, each this far below the one before.
constexpr double kStackStep = 3;
constexpr double kLabelWidth = 220;

QPointF counterCorner(const Game& game, int hex) {
    const AFPoint p = game.board().hex(hex).position();
    return {double(p.x), double(p.y)};
}

QPointF middleOf(const Game& game, int hex) {
    return counterCorner(game, hex) + QPointF(kCounterSize / 2, kCounterSize / 2);
}

const ZeKCounter* counterOfRow(const Game& game, int row) {
    int n = 0;
    for (const auto& counter : game.counters().counters())
        if (++n == row)
            return counter.get();
    return nullptr;
}

// Draws the stack of a hex as it stood before the steps to come moved their counters in:
// the bare map under its counters, then those of them that are not still to move.
void paintHexBefore(QPainter& painter, const Game& game, int hex,
                    const std::unordered_map<const Counter*, int>& rows,
                    const std::unordered_set<int>& toCome) {
    const Hex& place = game.board().hex(hex);
    const QRect area = place.counterArea();
    const PictureModule& pictures = game.counterPictures();
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // zoomed in or out
    painter.drawImage(area.topLeft(), game.mapPicture().pristineCopy(area));
    const AFPoint position = place.position();
    const AFPoint step = place.stackStep();
    int k = 0;
    for (const Counter* counter : place.stack()) {
        const auto row = rows.find(counter);
        const auto* zek = dynamic_cast<const ZeKCounter*>(counter);
        if (row == rows.end() || toCome.count(row->second) != 0 || !zek)
            continue;
        const QPointF at(position.x + k * step.x, position.y + k * step.y);
        ++k;
        painter.drawImage(at, pictures.bitmap(zek->pictureId()));
        if (zek->marker() > 0)
            painter.drawImage(at + QPointF(ZeKCounter::kMarkerOffset, ZeKCounter::kMarkerOffset),
                              pictures.bitmap(ZeKCounter::kMarkerPictureBase + zek->marker()));
    }
    painter.restore();
}

QRectF labelBox(const Game& game, int hex) {
    const QPointF at = counterCorner(game, hex) + QPointF(kCounterSize + 8, -6);
    return {at, QSizeF(kLabelWidth, 44)};
}

// Korva's line on the roll, bold behind its badge, then the file's comment on one line of
// its own, in italics behind a bar, as the window shows each of them.
void paintCombatLabel(QPainter& painter, const QRectF& box, const ReplayStep& combat) {
    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    const double line = metrics.height();
    const double badge = line - 2;
    TrustLabel::paintBadge(painter, QRectF(box.left(), box.top() + 1, badge, badge), combat.trust);
    painter.setFont(bold);
    painter.setPen(TrustLabel::colour(combat.trust));
    const QRectF heading(box.left() + badge + 4, box.top(), box.width() - badge - 4, line);
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(combatHeading(combat), Qt::ElideRight, heading.width()));
    if (!combat.comment.isEmpty()) {
        QFont italic = painter.font();
        italic.setBold(false);
        italic.setItalic(true);
        painter.setFont(italic);
        painter.setPen(Qt::black);
        const QRectF quote(box.left() + 10, box.top() + line + 2, box.width() - 10, line);
        painter.fillRect(QRectF(box.left() + 3, quote.top(), 3, line), Qt::gray);
        painter.drawText(quote, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(italic).elidedText(untrustedtext::forLine(combat.comment),
                                                          Qt::ElideRight, quote.width()));
    }
    painter.restore();
}

// The counters of a step at `corner`, down the stack: the one moving now whole and edged in
// its side's colour, those still to move faint with a dashed edge.
void paintStack(QPainter& painter, const Game& game, const ReplayStep& step, QPointF corner,
                bool moving) {
    const PictureModule& pictures = game.counterPictures();
    for (const int row : step.counters) {
        if (const ZeKCounter* counter = counterOfRow(game, row)) {
            const QRectF box(corner, QSizeF(kCounterSize, kCounterSize));
            painter.setOpacity(moving ? 1.0 : 0.75);
            painter.drawImage(box, pictures.bitmap(counter->pictureId()));
            painter.setOpacity(1);
            painter.setPen(
                QPen(moving ? moveoverlay::sideColour(sideOfRow(row)) : moveoverlay::edgeColour(),
                     moving ? 2.5 : 1.5, moving ? Qt::SolidLine : Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(-1, -1, 1, 1));
        }
        corner += QPointF(0, kStackStep);
    }
}

} // namespace

ReplayLayer::ReplayLayer(const Game& game, const ReplayController& replay)
    : game_(game), replay_(replay) {}

QRectF ReplayLayer::stepArea(std::size_t i) const {
    const ReplayStep& step = replay_.steps()[i];
    const double spread = double(step.counters.size()) * kStackStep;
    QRectF area;
    for (const int hex : {step.fromHex, step.toHex})
        area |= QRectF(counterCorner(game_, hex), QSizeF(kCounterSize, kCounterSize + spread));
    if (step.kind == ReplayStep::Kind::Combat)
        area |= labelBox(game_, step.toHex);
    return area.adjusted(-12, -12, 12, 12);
}

void ReplayLayer::refresh() {
    // Within a step only that step moves; a new step, a start or an end repaints all the
    // replay showed and shows.
    const std::size_t current = replay_.current();
    if (replay_.isActive() && !lastShown_.isEmpty() && current == lastStep_ &&
        current < replay_.steps().size()) {
        requestRepaint(stepArea(current));
        return;
    }
    if (!lastShown_.isEmpty())
        requestRepaint(lastShown_);
    lastShown_ = QRectF();
    if (replay_.isActive())
        for (std::size_t i = 0; i < replay_.steps().size(); ++i)
            lastShown_ |= stepArea(i);
    lastStep_ = current;
    if (!lastShown_.isEmpty())
        requestRepaint(lastShown_);
}

void ReplayLayer::paint(QPainter& painter, const QRectF& exposed) {
    if (!replay_.isActive() || !lastShown_.intersects(exposed))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    paintHexesBefore(painter, exposed);
    paintMoves(painter);
    paintCombat(painter);
}

void ReplayLayer::paintHexesBefore(QPainter& painter, const QRectF& exposed) const {
    const auto& steps = replay_.steps();
    // The counters still to move stand at their new hexes in the game: there the map shows
    // what stood before they came, until their step has played.
    std::unordered_set<int> toCome;
    std::unordered_set<int> hexes;
    for (std::size_t i = replay_.current(); i < steps.size(); ++i) {
        if (steps[i].kind != ReplayStep::Kind::Move)
            continue;
        toCome.insert(steps[i].counters.begin(), steps[i].counters.end());
        hexes.insert(steps[i].toHex);
    }
    if (hexes.empty())
        return;
    std::unordered_map<const Counter*, int> rows;
    int row = 0;
    for (const auto& counter : game_.counters().counters())
        rows.emplace(counter.get(), ++row);
    for (const int hex : hexes)
        if (QRectF(game_.board().hex(hex).counterArea()).intersects(exposed))
            paintHexBefore(painter, game_, hex, rows, toCome);
}

void ReplayLayer::paintMoves(QPainter& painter) const {
    const auto& steps = replay_.steps();
    MoveOverlay done;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const ReplayStep& step = steps[i];
        if (step.kind != ReplayStep::Kind::Move)
            continue;
        const auto side = sideOfRow(step.counters.front());
        const QPointF from = middleOf(game_, step.fromHex);
        const QPointF to = middleOf(game_, step.toHex);
        if (i < replay_.current()) {
            done.arrows.push_back(moveoverlay::arrowInto(
                from, moveoverlay::stackBox(game_.board(), step.toHex), side));
        } else if (i == replay_.current()) {
            const QPointF now = from + (to - from) * replay_.progress();
            if (replay_.progress() > 0.05)
                done.arrows.push_back({from, now, side});
            paintStack(painter, game_, step, now - QPointF(kCounterSize / 2, kCounterSize / 2),
                       true);
        } else {
            paintStack(painter, game_, step, counterCorner(game_, step.fromHex), false);
        }
    }
    paintMoveOverlay(painter, done);
}

void ReplayLayer::paintCombat(QPainter& painter) const {
    const auto& steps = replay_.steps();
    if (replay_.current() >= steps.size() ||
        steps[replay_.current()].kind != ReplayStep::Kind::Combat)
        return;
    const ReplayStep& combat = steps[replay_.current()];
    const QPointF middle = middleOf(game_, combat.toHex);
    painter.setPen(QPen(QColor(200, 30, 30), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(middle, 18, 18);
    const QRectF box = labelBox(game_, combat.toHex);
    painter.setPen(QPen(moveoverlay::edgeColour(), 1));
    painter.setBrush(QColor(255, 255, 240, 235));
    painter.drawRoundedRect(box, 4, 4);
    paintCombatLabel(painter, box.adjusted(6, 3, -6, -3), combat);
}
