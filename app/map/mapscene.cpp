#include "app/map/mapscene.h"

#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

MapScene::MapScene(const MapPicture& picture, const MapBoard& board, const CounterMgr& counterMgr,
                   const TaggerMgr& tags, const PictureModule& maps, const PictureModule& counters)
    : picture_(picture), board_(board), counterMgr_(counterMgr), tags_(tags), maps_(maps),
      counters_(counters) {}

MapScene::MapScene(const Game& game)
    : MapScene(game.mapPicture(), game.board(), game.counters(), game.tags(),
               game.mapAndTagPictures(), game.counterPictures()) {}

bool MapScene::mapDrawnAtAnyScale() const {
    return maps_.drawsAtAnyScale(16002);
}

QRect MapScene::deviceRectOf(const QRectF& rect, qreal scale) {
    const auto at = [scale](qreal v) { return static_cast<int>(std::lround(v * scale)); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.left() + rect.width()) - 1, at(rect.top() + rect.height()) - 1));
}

QImage MapScene::pictureAtScale(const PictureModule& module, int id, qreal scale) const {
    if (scale != cachedScale_) {
        cache_.clear();
        cachedScale_ = scale;
    }
    const auto key = qMakePair(&module, id);
    if (const auto found = cache_.constFind(key); found != cache_.cend())
        return *found;
    QImage picture;
    try {
        const QImage pixels = module.bitmap(id);
        const QSize size(static_cast<int>(std::ceil(pixels.width() * scale - 1e-9)),
                         static_cast<int>(std::ceil(pixels.height() * scale - 1e-9)));
        picture = module.drawnAtScale(id, scale, QRect(QPoint(), size));
        if (picture.isNull())
            picture = pixels.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } catch (const ResourceError&) {
        // The drawing rules report a missing picture when they draw it; here it is left out.
    }
    cache_.insert(key, picture);
    return picture;
}

void MapScene::dropScaledPictures() const {
    cache_.clear();
    cachedScale_ = 0.0;
}

void MapScene::paintPieces(QPainter& painter, const QRect& deviceRect, qreal scale) const {
    paintStacks(painter, deviceRect, scale);
    paintTags(painter, deviceRect, scale);
}

void MapScene::paintStacks(QPainter& painter, const QRect& deviceRect, qreal scale) const {
    using namespace hexgrid;
    // A counter area reaches 27 pixels right of its hex position and 39 down: the columns
    // and rows whose areas can reach the part painted.
    const QRectF area(deviceRect.x() / scale, deviceRect.y() / scale, deviceRect.width() / scale,
                      deviceRect.height() / scale);
    constexpr int kAreaWidth = kTopEdgeWidth + 3;
    const int firstColumn =
        std::max(0, static_cast<int>(std::floor((area.left() - kAreaWidth) / kColumnPitch)));
    const int lastColumn =
        std::min(kColumns - 1, static_cast<int>(std::floor(area.right() / kColumnPitch)));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int shift = column % 2 != 0 ? kHalfHeight : 0;
        const int firstRow = std::max(
            0, static_cast<int>(std::floor((area.top() - shift - kHexHeight) / kHexHeight)));
        const int lastRow = std::min(
            kRowsPerColumn - 1, static_cast<int>(std::floor((area.bottom() - shift) / kHexHeight)));
        for (int row = firstRow; row <= lastRow; ++row) {
            const Hex& hex = board_.hex(hexIndexOf(column, row));
            if (hex.stack().empty())
                continue;
            const QRect clip = deviceRectOf(hex.counterArea(), scale).intersected(deviceRect);
            if (clip.isEmpty())
                continue;
            painter.save();
            painter.setClipRect(clip);
            const AFPoint position = hex.position();
            const AFPoint step = hex.stackStep();
            int k = 0;
            for (const Counter* counter : hex.stack()) {
                const auto* zek = dynamic_cast<const ZeKCounter*>(counter);
                const QPointF at(position.x + k * step.x, position.y + k * step.y);
                ++k;
                if (!zek)
                    continue;
                const QImage face = pictureAtScale(counters_, zek->pictureId(), scale);
                painter.drawImage(deviceRectOf(QRectF(at, QSizeF(1, 1)), scale).topLeft(), face);
                if (zek->marker() > 0) {
                    const QImage marker = pictureAtScale(
                        counters_, ZeKCounter::kMarkerPictureBase + zek->marker(), scale);
                    const QPointF markerAt =
                        at + QPointF(ZeKCounter::kMarkerOffset, ZeKCounter::kMarkerOffset);
                    painter.drawImage(deviceRectOf(QRectF(markerAt, QSizeF(1, 1)), scale).topLeft(),
                                      marker);
                }
            }
            painter.restore();
        }
    }
}

bool MapScene::tagShows(const QImage& tag, const QPoint& at) const {
    const QImage& map = picture_.image();
    const QRect block = QRect(at, QSize(Tagger::kPictureSize, Tagger::kPictureSize))
                            .intersected(QRect(at, tag.size()))
                            .intersected(map.rect());
    if (block.isEmpty())
        return false;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            if (map.pixel(x, y) != tag.pixel(x - at.x(), y - at.y()))
                return false;
    return true;
}

void MapScene::paintTags(QPainter& painter, const QRect& deviceRect, qreal scale) const {
    // The map pixels under the part painted, one more each way for the rounding.
    const int left = static_cast<int>(std::floor(deviceRect.left() / scale)) - 1;
    const int top = static_cast<int>(std::floor(deviceRect.top() / scale)) - 1;
    const int right = static_cast<int>(std::ceil((deviceRect.right() + 1) / scale)) + 1;
    const int bottom = static_cast<int>(std::ceil((deviceRect.bottom() + 1) / scale)) + 1;
    // A tag's block reaches 7 pixels right and down from where it is drawn: 8 pixels left
    // of its position, or at x 24 for positions left of x 8. Only those positions are
    // visited, as a file may hold hundreds of thousands of tags anywhere.
    constexpr int kReach = Tagger::kPictureSize - 1;
    const int firstY = top - kReach;
    const bool leftmostReach = left - kReach <= 24 && 24 <= right;
    const auto paintTag = [&](const Tagger& tag) {
        if (!tag.mapBitmap() || !tag.hasSavedBackground())
            return;
        const AFPoint at = tag.drawPosition();
        const QRect block =
            deviceRectOf(QRectF(at.x, at.y, Tagger::kPictureSize, Tagger::kPictureSize), scale);
        const QRect clip = block.intersected(deviceRect);
        if (clip.isEmpty())
            return;
        QImage pixels;
        try {
            pixels = maps_.bitmap(tag.pictureId());
        } catch (const ResourceError&) {
            return;
        }
        if (!tagShows(pixels, at.toQPoint()))
            return; // hidden, or drawn over since
        painter.save();
        painter.setClipRect(clip);
        painter.drawImage(block.topLeft(), pictureAtScale(maps_, tag.pictureId(), scale));
        painter.restore();
    };
    // The opened tags went on first, the own ones over them; each set in its own order.
    for (const TaggerMultiSet* set : {&tags_.openedTags(), &tags_.ownTags()}) {
        if (leftmostReach)
            TaggerMgr::forEachFirstIn(*set, AFPoint(std::numeric_limits<int>::min(), firstY),
                                      AFPoint(Tagger::kPictureSize - 1, bottom), paintTag);
        TaggerMgr::forEachFirstIn(
            *set, AFPoint(std::max(left - kReach, 0) + Tagger::kPictureSize, firstY),
            AFPoint(right + Tagger::kPictureSize, bottom), paintTag);
    }
}

std::vector<MapScene::OccupiedHex> MapScene::occupiedHexes() const {
    std::unordered_map<const Counter*, int> rows;
    int row = 0;
    for (const auto& counter : counterMgr_.counters())
        rows.emplace(counter.get(), ++row);
    std::vector<OccupiedHex> occupied;
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex) {
        const CounterList& stack = board_.hex(hex).stack();
        if (stack.empty())
            continue;
        CounterKind kind = CounterKind::Marker;
        bool unit = false;
        for (auto it = stack.rbegin(); it != stack.rend() && !unit; ++it) {
            const auto found = rows.find(*it);
            if (found == rows.end())
                continue;
            const CounterKind k = kindOfRow(found->second);
            unit = k == CounterKind::FirstSide || k == CounterKind::SecondSide;
            if (unit || it == stack.rbegin())
                kind = k;
        }
        occupied.push_back({hex, kind});
    }
    return occupied;
}
