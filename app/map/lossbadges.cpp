#include "app/map/lossbadges.h"

#include "board/hex.h"
#include "board/mapboard.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

#include <QPainter>

namespace {

constexpr int kBadgeSize = 12;
constexpr int kCounterSize = 24;

} // namespace

QRect LossBadges::badgeAt(int x, int y) {
    // The lower right corner, inside the hex's counter area, so that a redrawn hex is
    // repainted with its badges.
    return {x + kCounterSize - kBadgeSize + 1, y + kCounterSize - kBadgeSize + 1, kBadgeSize,
            kBadgeSize};
}

void LossBadges::setEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    requestRepaint(QRectF(0, 0, hexgrid::kExtentRight, hexgrid::kExtentBottom));
}

void LossBadges::paint(QPainter& painter, const QRectF& exposed) {
    if (!enabled_)
        return;
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    const QRect area = exposed.toAlignedRect();
    for (int index = 0; index < hexgrid::kHexCount; ++index) {
        const Hex& hex = game_.board().hex(index);
        if (hex.count() == 0 || !hex.counterArea().intersects(area))
            continue;
        const int step = Hex::stepFor(hex.count());
        const int top = hex.count() - 1;
        int level = 0;
        for (const Counter* c : hex.stack()) {
            const auto* counter = dynamic_cast<const ZeKCounter*>(c);
            const AFPoint at = hex.position();
            const int y = at.y + level * step;
            // A counter under others shows only its top strip: its badge goes there, or
            // nowhere when the strip is too thin, rather than over the counter above.
            QRect badge = badgeAt(at.x, y);
            if (level < top)
                badge.moveTop(y);
            const bool room = level == top || step >= kBadgeSize;
            ++level;
            if (!counter || counter->losses() <= 0 || !room)
                continue;
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(QColor(0xE6, 0x9F, 0x00));
            painter.drawRect(QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5));
            painter.setPen(Qt::black);
            painter.drawText(badge, Qt::AlignCenter, QString::number(counter->losses()));
        }
    }
}
