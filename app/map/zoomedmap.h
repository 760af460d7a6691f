#pragma once

#include "app/map/smallermap.h"
#include "app/map/tilemaker.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class MapPicture;
class MapScene;
class QPainter;

// The map as the view shows it at one scale (device pixels per map picture pixel), kept so
// that painting any part of it costs about a copy of that many pixels:
// - at 1 it is the map picture itself, exactly as the drawing rules made it;
// - below 1, a copy made smaller by averaging (areaaverage.h), redone where the picture
//   reports a change;
// - above 1, the bare map in tiles, drawn afresh for that scale (the built-in map, sharp)
//   or its pixels enlarged smoothly (a map from a file), made on a worker thread and kept
//   within a memory budget (tilemaker.h); the counters and tags go over them from the game each
//   time a part is painted (MapScene). Until a tile is ready its part shows the map picture
//   enlarged, so a new scale shows at once and sharpens as the tiles arrive.
class ZoomedMap : public QObject {
    Q_OBJECT
public:
    static constexpr int kTileSize = 256;

    explicit ZoomedMap(QObject* parent = nullptr);
    ~ZoomedMap() override;

    // What is shown; either may be null. The scene is needed above scale 1 only. Waits for
    // tiles under way, so the old sources may go once this returns.
    void setSources(const MapPicture* picture, const MapScene* scene);
    void setScale(qreal scale);
    qreal scale() const { return scale_; }
    // The map's size in device pixels at the scale.
    QSize deviceSize() const;

    // Paints `deviceRect` of the map at the scale. The painter's origin is the map's
    // top-left corner and its unit a device pixel.
    void paint(QPainter& painter, const QRect& deviceRect);
    // A rectangle of the map picture changed (map pixels).
    void pictureChanged(const QRect& mapRect);
    // Starts making the tiles of the part in view and of a ring around it.
    void prefetch(const QRect& visibleDeviceRect);
    // Makes every tile of `deviceRect` that is not ready yet and waits for them.
    void finishTiles(const QRect& deviceRect);
    // The whole map at the scale, or the part of it `deviceRect` covers, handed to `take`
    // band of rows by band of rows from the top (the band's pixels, its first row counted
    // from the part's top), each band dropped once taken: at a high scale the whole map is
    // large. Stops with false when `take` answers false or memory runs out.
    bool renderBands(const std::function<bool(QImage band, int top)>& take,
                     const QRect& deviceRect = {});
    // The whole map at the scale in one picture; null when memory ran out.
    QImage render();
    // Pixel memory held beyond the map picture: the smaller copy or the tiles.
    qint64 heldBytes() const;
    // Tiles made so far at this scale, ready or under way.
    int tileCount() const { return static_cast<int>(tiles_.size()); }
    // How many times tiles have arrived so far.
    quint64 arrivals() const { return arrivals_; }
    // When the last of the tiles of `deviceRect` arrived (a count of arrivals, 0 at or below
    // scale 1); nullopt while some have not.
    std::optional<quint64> arrivalOf(const QRect& deviceRect) const;

signals:
    // Tile pixels arrived for this part of the map (device pixels).
    void tilesReady(const QRect& deviceRect);

private:
    struct Tile {
        QImage image; // null while it is being made
        quint64 lastUsed = 0;
        quint64 arrival = 0;
    };

    QRect tileRect(const QPoint& key) const;
    // Adds the tile's order to `orders` unless it is ready or under way; given to the maker
    // together, so that a worker takes a whole band at once.
    void request(const QPoint& key, int priority, std::vector<TileMaker::Order>& orders);
    // Orders the tiles of the part that are neither ready nor under way.
    void orderTiles(const QRect& deviceRect);
    void takeFinished();
    void evict(const QRect& keep);
    void paintTiles(QPainter& painter, const QRect& deviceRect);
    void paintEnlargedPicture(QPainter& painter, const QRect& deviceRect) const;
    void dropHeldPixels();
    void releaseIdleTiles();
    // The memory of pictures dropped goes back to the system a moment later, once nothing
    // painted holds them any more.
    QTimer giveBack_;

    const MapPicture* picture_ = nullptr;
    const MapScene* scene_ = nullptr;
    qreal scale_ = 1.0;

    // Below 1.
    SmallerMap smaller_;

    // Above 1. After a while without painting only the tiles of the view and the ring
    // around it are kept.
    QHash<QPoint, Tile> tiles_;
    QRect ring_;
    QTimer idleRelease_;
    quint64 generation_ = 0;
    quint64 useClock_ = 0;
    quint64 arrivals_ = 0;
    qint64 budgetBytes_ = 0;
    TileMaker maker_;
};
