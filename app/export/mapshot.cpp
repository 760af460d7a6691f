#include "app/export/mapshot.h"

#include "app/map/areaaverage.h"
#include "app/map/mapscene.h"
#include "app/map/zoomedmap.h"
#include "board/mappicture.h"
#include "game/game.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace mapshot {
namespace {

QSize zoomedSize(const Game& game, qreal scale) {
    const MapPicture& map = game.mapPicture();
    return {static_cast<int>(std::ceil(map.width() * scale - 1e-9)),
            static_cast<int>(std::ceil(map.height() * scale - 1e-9))};
}

// The marks and the caption over `pixels`, whose first pixel is `origin` of the zoomed map;
// the picture begins at `pictureOrigin`.
bool decorate(QImage& pixels, const QPoint& origin, const MapShot& shot,
              const QPoint& pictureOrigin) {
    if (shot.marks.isEmpty() && shot.caption.isEmpty())
        return true;
    QPainter painter(&pixels);
    if (!painter.isActive())
        return false;
    if (!shot.marks.isEmpty()) {
        painter.save();
        painter.translate(-origin);
        painter.scale(shot.scale, shot.scale);
        paintMoveOverlay(painter, shot.marks);
        painter.restore();
    }
    if (!shot.caption.isEmpty()) {
        painter.translate(pictureOrigin - origin);
        paintCaption(painter, shot.caption);
    }
    return true;
}

} // namespace

QRect deviceRect(const Game& game, const MapShot& shot) {
    const QRect whole(QPoint(), zoomedSize(game, shot.scale));
    return shot.area.isNull() ? whole
                              : MapScene::deviceRectOf(QRectF(shot.area), shot.scale) & whole;
}

bool drawBands(const Game& game, const MapShot& shot,
               const std::function<bool(QImage, int)>& take) {
    const MapScene scene(game);
    ZoomedMap zoomed;
    zoomed.setSources(&game.mapPicture(), &scene);
    zoomed.setScale(shot.scale);
    const QRect part = deviceRect(game, shot);
    const bool drawn = zoomed.renderBands(
        [&](QImage band, int top) {
            const QPoint origin = part.topLeft() + QPoint(0, top);
            return decorate(band, origin, shot, part.topLeft()) && take(std::move(band), top);
        },
        part);
    // Nothing under way may read the scene once it goes.
    zoomed.setSources(nullptr, nullptr);
    return drawn;
}

bool drawInto(const Game& game, const MapShot& shot, QImage& target,
              const std::function<bool(int rows)>& rowsDone) {
    const auto goOn = [&rowsDone](int rows) { return !rowsDone || rowsDone(rows); };
    const QImage& map = game.mapPicture().image();
    if (!shot.area.isNull() || shot.scale > 1.0 || map.format() != QImage::Format_RGB32) {
        QPainter painter(&target);
        if (!painter.isActive())
            return false;
        return drawBands(game, shot, [&](const QImage& band, int top) {
            painter.drawImage(0, top, band);
            return goOn(top + band.height());
        });
    }
    // The pixels the view shows at this scale, made in the target itself.
    if (shot.scale < 1.0) {
        // A few rows at a time: the averaging keeps a copy of the source rows it reads.
        constexpr int kRows = 64;
        for (int top = 0; top < target.height(); top += kRows) {
            if (!goOn(top))
                return false;
            areaaverage::shrinkInto(target, map, shot.scale, QRect(0, top, target.width(), kRows));
        }
    } else {
        const auto rowBytes = static_cast<std::size_t>(map.width()) * 4;
        for (int y = 0; y < map.height(); ++y)
            std::memcpy(target.scanLine(y), map.constScanLine(y), rowBytes);
    }
    return decorate(target, QPoint(), shot, QPoint());
}

void paintCaption(QPainter& painter, const QString& caption) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int margin = 6;
    const QRect text = metrics.boundingRect(caption);
    const QRectF box(8, 8, text.width() + 2 * margin, metrics.height() + margin);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(240, 240, 240), 1.0));
    painter.setBrush(QColor(28, 32, 44, 225));
    painter.drawRoundedRect(box, 4, 4);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, caption);
    painter.restore();
}

} // namespace mapshot
