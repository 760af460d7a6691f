#include "app/map/zoomedmap.h"

#include "app/map/mapscene.h"
#include "base/recycledimages.h"
#include "base/residentmemory.h"
#include "board/mappicture.h"
#include "board/picturemodule.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Tiles kept at most: a quarter as much again as the ring around the view holds, for a pan back,
// and never less than this. Each tile beyond is memory a sweep over the map at a high scale
// would keep for nothing.
constexpr qint64 kTileBudgetBytes = 16LL * 1024 * 1024;
// Map pixels taken beyond a tile's own when its pixels are enlarged, so that the smoothing
// at its edges sees the same neighbours as the tile next to it.
constexpr int kEnlargeMargin = 2;
// After this long without painting, only the tiles of the view and the ring around it stay.
constexpr int kIdleReleaseMs = 20000;
// Rows of the map rendered at a time above scale 1.
constexpr int kBandRows = 2 * ZoomedMap::kTileSize;

} // namespace

ZoomedMap::ZoomedMap(QObject* parent)
    : QObject(parent), maker_([this] {
          QMetaObject::invokeMethod(this, &ZoomedMap::takeFinished, Qt::QueuedConnection);
      }) {
    idleRelease_.setSingleShot(true);
    idleRelease_.setInterval(kIdleReleaseMs);
    connect(&idleRelease_, &QTimer::timeout, this, &ZoomedMap::releaseIdleTiles);
    giveBack_.setSingleShot(true);
    giveBack_.setInterval(1000);
    connect(&giveBack_, &QTimer::timeout, this, [this] {
        // Out of the zoomed-in scales the drawing's own aids go too; a zoom back in makes
        // them again in a few milliseconds.
        if (scale_ <= 1.0 && scene_)
            scene_->maps().releaseScaledDrawing();
        residentmemory::giveBackFreeMemory();
    });
}

ZoomedMap::~ZoomedMap() = default;

void ZoomedMap::setSources(const MapPicture* picture, const MapScene* scene) {
    // Nothing under way may read the old sources once this returns.
    maker_.setSource(nullptr, scale_, generation_);
    maker_.waitForDone();
    picture_ = picture;
    scene_ = scene;
    dropHeldPixels();
}

void ZoomedMap::setScale(qreal scale) {
    if (scale == scale_)
        return;
    scale_ = scale;
    dropHeldPixels();
}

void ZoomedMap::dropHeldPixels() {
    ++generation_;
    idleRelease_.stop();
    if (heldBytes() > 0 || scale_ <= 1.0)
        giveBack_.start();
    if (scene_)
        scene_->dropScaledPictures();
    smaller_.drop();
    tiles_.clear();
    const PictureModule* drawer =
        scene_ && scene_->mapDrawnAtAnyScale() ? &scene_->maps() : nullptr;
    maker_.setSource(drawer, scale_, generation_);
}

QSize ZoomedMap::deviceSize() const {
    if (!picture_)
        return {};
    return {static_cast<int>(std::ceil(picture_->width() * scale_ - 1e-9)),
            static_cast<int>(std::ceil(picture_->height() * scale_ - 1e-9))};
}

qint64 ZoomedMap::heldBytes() const {
    qint64 bytes = smaller_.heldBytes();
    for (const Tile& tile : tiles_)
        bytes += tile.image.sizeInBytes();
    return bytes;
}

void ZoomedMap::pictureChanged(const QRect& mapRect) {
    // Tiles hold the bare map only; the pieces over them are painted from the game.
    smaller_.pictureChanged(mapRect);
}

void ZoomedMap::paint(QPainter& painter, const QRect& deviceRect) {
    if (!picture_)
        return;
    const QRect shown = deviceRect.intersected(QRect(QPoint(), deviceSize()));
    if (shown != deviceRect)
        painter.fillRect(deviceRect, Qt::darkGray); // beyond the map's last pixel
    if (shown.isEmpty())
        return;
    if (scale_ == 1.0)
        painter.drawImage(shown.topLeft(), picture_->image(), shown);
    else if (scale_ < 1.0)
        smaller_.paint(painter, shown, picture_->image(), scale_);
    else
        paintTiles(painter, shown);
}

QRect ZoomedMap::tileRect(const QPoint& key) const {
    return QRect(key * kTileSize, QSize(kTileSize, kTileSize))
        .intersected(QRect(QPoint(), deviceSize()));
}

void ZoomedMap::paintTiles(QPainter& painter, const QRect& deviceRect) {
    takeFinished();
    const int firstX = deviceRect.left() / kTileSize;
    const int lastX = deviceRect.right() / kTileSize;
    const int firstY = deviceRect.top() / kTileSize;
    const int lastY = deviceRect.bottom() / kTileSize;
    std::vector<TileMaker::Order> orders;
    for (int ty = firstY; ty <= lastY; ++ty) {
        for (int tx = firstX; tx <= lastX; ++tx) {
            const QPoint key(tx, ty);
            const QRect part = tileRect(key).intersected(deviceRect);
            auto found = tiles_.find(key);
            if (found == tiles_.end()) {
                request(key, 1, orders);
                found = tiles_.find(key);
            }
            found->lastUsed = ++useClock_;
            if (found->image.isNull())
                paintEnlargedPicture(painter, part);
            else
                painter.drawImage(part.topLeft(), found->image,
                                  part.translated(-tileRect(key).topLeft()));
        }
    }
    maker_.order(std::move(orders));
    if (scene_)
        scene_->paintPieces(painter, deviceRect, scale_);
}

void ZoomedMap::paintEnlargedPicture(QPainter& painter, const QRect& deviceRect) const {
    // Quick and coarse: shown only until the tile is ready.
    painter.save();
    painter.setClipRect(deviceRect);
    painter.scale(scale_, scale_);
    const QRectF mapPart(deviceRect.x() / scale_, deviceRect.y() / scale_,
                         deviceRect.width() / scale_, deviceRect.height() / scale_);
    const QRect source = mapPart.toAlignedRect().intersected(picture_->image().rect());
    painter.drawImage(QRectF(source), picture_->image(), source);
    painter.restore();
}

void ZoomedMap::request(const QPoint& key, int priority, std::vector<TileMaker::Order>& orders) {
    const QRect device = tileRect(key);
    if (device.isEmpty() || tiles_.contains(key))
        return;
    tiles_.insert(key, Tile{});
    TileMaker::Order order{key, device, priority, {}, {}};
    if (!scene_ || !scene_->mapDrawnAtAnyScale()) {
        // The map picture belongs to this thread: its pixels are copied here.
        order.pristineRect =
            QRectF(device.x() / scale_, device.y() / scale_, device.width() / scale_,
                   device.height() / scale_)
                .toAlignedRect()
                .adjusted(-kEnlargeMargin, -kEnlargeMargin, kEnlargeMargin, kEnlargeMargin);
        order.pristine = picture_->pristineCopy(order.pristineRect);
    }
    orders.push_back(std::move(order));
}

void ZoomedMap::takeFinished() {
    QRect ready;
    for (TileMaker::Made& done : maker_.takeMade()) {
        if (done.generation != generation_)
            continue;
        const auto found = tiles_.find(done.key);
        if (found == tiles_.end())
            continue;
        found->image = std::move(done.image);
        found->arrival = arrivals_ + 1;
        ready |= tileRect(done.key);
    }
    // Tiles arriving for a new view push the oldest out, or the cache would hold two rings.
    if (!ready.isEmpty() && budgetBytes_ > 0)
        evict(ring_);
    if (!ready.isEmpty()) {
        ++arrivals_;
        emit tilesReady(ready);
    }
}

void ZoomedMap::prefetch(const QRect& visibleDeviceRect) {
    if (scale_ <= 1.0 || !picture_)
        return;
    takeFinished();
    const QRect inView = visibleDeviceRect.intersected(QRect(QPoint(), deviceSize()));
    if (inView.isEmpty())
        return;
    const QRect ring = inView.adjusted(-kTileSize, -kTileSize, kTileSize, kTileSize)
                           .intersected(QRect(QPoint(), deviceSize()));
    std::vector<TileMaker::Order> orders;
    for (int ty = ring.top() / kTileSize; ty <= ring.bottom() / kTileSize; ++ty)
        for (int tx = ring.left() / kTileSize; tx <= ring.right() / kTileSize; ++tx)
            request(QPoint(tx, ty), tileRect(QPoint(tx, ty)).intersects(inView) ? 1 : 0, orders);
    maker_.order(std::move(orders));
    budgetBytes_ = std::max(kTileBudgetBytes, 5 * qint64(ring.width()) * ring.height() * 4 / 4);
    evict(ring);
    ring_ = ring;
    idleRelease_.start();
}

void ZoomedMap::releaseIdleTiles() {
    const qint64 before = heldBytes();
    for (auto it = tiles_.begin(); it != tiles_.end();)
        it = !it->image.isNull() && !tileRect(it.key()).intersects(ring_) ? tiles_.erase(it)
                                                                          : std::next(it);
    if (heldBytes() < before)
        giveBack_.start();
}

void ZoomedMap::evict(const QRect& keep) {
    // Tiles under way count as kept: their pixels arrive while the oldest would still be here,
    // and a sweep at a high scale would hold the budget and a band of tiles besides.
    qint64 bytes = heldBytes();
    for (auto it = tiles_.cbegin(); it != tiles_.cend(); ++it) {
        if (it->image.isNull()) {
            const QRect under = tileRect(it.key());
            bytes += qint64(under.width()) * under.height() * 4;
        }
    }
    while (bytes > budgetBytes_) {
        auto oldest = tiles_.end();
        for (auto it = tiles_.begin(); it != tiles_.end(); ++it)
            if (!it->image.isNull() && !tileRect(it.key()).intersects(keep) &&
                (oldest == tiles_.end() || it->lastUsed < oldest->lastUsed))
                oldest = it;
        if (oldest == tiles_.end())
            return;
        bytes -= oldest->image.sizeInBytes();
        tiles_.erase(oldest);
    }
}

std::optional<quint64> ZoomedMap::arrivalOf(const QRect& deviceRect) const {
    quint64 last = 0;
    if (scale_ <= 1.0 || !picture_)
        return last;
    const QRect part = deviceRect.intersected(QRect(QPoint(), deviceSize()));
    if (part.isEmpty())
        return last;
    for (int ty = part.top() / kTileSize; ty <= part.bottom() / kTileSize; ++ty) {
        for (int tx = part.left() / kTileSize; tx <= part.right() / kTileSize; ++tx) {
            const auto found = tiles_.constFind(QPoint(tx, ty));
            if (found == tiles_.cend() || found->image.isNull())
                return std::nullopt;
            last = std::max(last, found->arrival);
        }
    }
    return last;
}

void ZoomedMap::orderTiles(const QRect& deviceRect) {
    const QRect part = deviceRect.intersected(QRect(QPoint(), deviceSize()));
    if (part.isEmpty())
        return;
    std::vector<TileMaker::Order> orders;
    for (int ty = part.top() / kTileSize; ty <= part.bottom() / kTileSize; ++ty)
        for (int tx = part.left() / kTileSize; tx <= part.right() / kTileSize; ++tx)
            request(QPoint(tx, ty), 1, orders);
    maker_.order(std::move(orders));
}

void ZoomedMap::finishTiles(const QRect& deviceRect) {
    if (scale_ <= 1.0 || !picture_)
        return;
    orderTiles(deviceRect);
    maker_.waitForOrders();
    takeFinished();
}

bool ZoomedMap::renderBands(const std::function<bool(QImage, int)>& take, const QRect& deviceRect) {
    const QRect whole(QPoint(), deviceSize());
    const QRect part = deviceRect.isNull() ? whole : deviceRect.intersected(whole);
    if (part.isEmpty())
        return true;
    // The bands let go of their own tiles; none may go before its band is painted. A band's
    // tiles go together, so they share the drawing they were cut from.
    budgetBytes_ = 0;
    maker_.setSharesDrawing(true);
    const std::unique_ptr<TileMaker, void (*)(TileMaker*)> copiesAgain(
        &maker_, [](TileMaker* maker) { maker->setSharesDrawing(false); });
    if (scale_ == 1.0)
        return take(part == whole ? picture_->image() : picture_->image().copy(part), 0);
    if (scale_ < 1.0) {
        QImage image(part.size(), QImage::Format_RGB32);
        if (image.isNull())
            return false;
        QPainter painter(&image);
        painter.translate(-part.topLeft());
        paint(painter, part);
        painter.end();
        return take(std::move(image), 0);
    }
    // Two rows of tiles at a time, a band for each worker; bands keep to the whole map's
    // rows of tiles, so a tile above a band's end is done with. The next band's tiles are
    // ordered before this one is painted and taken, so the workers draw while this thread
    // paints.
    const auto bandAt = [&part](int top) {
        return QRect(part.left(), top, part.width(), kBandRows).intersected(part);
    };
    const int firstTop = part.top() / kBandRows * kBandRows;
    finishTiles(bandAt(firstTop));
    // The tiles cover every pixel of a band, so a band taken before may be painted over.
    RecycledImages bands(part.width(), kBandRows, QImage::Format_RGB32);
    // The drawings the tiles are cut from come and go in a few sizes.
    const residentmemory::KeepFreedBlocks drawings;
    for (int top = firstTop; top <= part.bottom(); top += kBandRows) {
        const QRect rows = bandAt(top);
        const QRect next = bandAt(top + kBandRows);
        orderTiles(next);
        QImage band = bands.take(rows.height());
        if (band.isNull())
            return false;
        QPainter painter(&band);
        painter.translate(-rows.topLeft());
        paint(painter, rows);
        painter.end();
        for (auto it = tiles_.begin(); it != tiles_.end();)
            it = it.key().y() * kTileSize <= rows.bottom() ? tiles_.erase(it) : std::next(it);
        if (!take(std::move(band), rows.top() - part.top()))
            return false;
        finishTiles(next);
    }
    return true;
}

QImage ZoomedMap::render() {
    QImage image(deviceSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    const bool whole = renderBands([&painter](const QImage& band, int top) {
        painter.drawImage(0, top, band);
        return true;
    });
    return whole ? image : QImage();
}
