#pragma once

#include "app/pictures/counterlook.h"

#include <QHash>
#include <QImage>
#include <QRect>

#include <vector>

class CounterMgr;
class Game;
class MapBoard;
class MapPicture;
class PictureModule;
class QPainter;
class TaggerMgr;

// The game as the views see it: the map picture the drawing rules make, and the stacks,
// counters and tags those rules drew into it, for drawing them afresh at another scale
// (zoomed in, or sharp on a high-density screen) and for the overview's dots. The one
// place the views reach the game through.
class MapScene {
public:
    // `maps` holds the map and the tag pictures, `counters` the counter and marker ones.
    MapScene(const MapPicture& picture, const MapBoard& board, const CounterMgr& counterMgr,
             const TaggerMgr& tags, const PictureModule& maps, const PictureModule& counters);
    // The game's parts; the game outlives the scene.
    explicit MapScene(const Game& game);

    MapScene(const MapScene&) = delete;
    MapScene& operator=(const MapScene&) = delete;

    const MapPicture& picture() const { return picture_; }
    const PictureModule& maps() const { return maps_; }

    // True when the bare map is drawn afresh at any scale (the built-in map); else it is
    // its pixels enlarged.
    bool mapDrawnAtAnyScale() const;

    // Draws the counters of every stack and the tags that show, over `deviceRect` of the
    // map at `scale` (device pixels per map pixel), as the drawing rules put them into the
    // map picture: each counter clipped to its hex's counter area, the tags over them. The
    // painter's origin is the map's top-left corner, one unit a device pixel.
    void paintPieces(QPainter& painter, const QRect& deviceRect, qreal scale) const;

    // A picture of a module at `scale`: drawn afresh where the module draws, else its
    // pixels enlarged smoothly; kept until the scale changes. Null when the module lacks it.
    QImage pictureAtScale(const PictureModule& module, int id, qreal scale) const;
    // Lets the pictures kept at a scale go (the view left that scale).
    void dropScaledPictures() const;

    // What stands in each hex that holds counters, for the overview.
    struct OccupiedHex {
        int hex;
        CounterKind kind; // the uppermost unit's side; a fort, port or marker otherwise
        bool operator==(const OccupiedHex&) const = default;
    };
    std::vector<OccupiedHex> occupiedHexes() const;

    // The device pixels of map rectangle `rect` at `scale`: edges rounded alike, so that
    // rectangles that meet on the map meet on the device.
    static QRect deviceRectOf(const QRectF& rect, qreal scale);

private:
    void paintStacks(QPainter& painter, const QRect& deviceRect, qreal scale) const;
    void paintTags(QPainter& painter, const QRect& deviceRect, qreal scale) const;
    // True when the map picture shows the tag picture at `at` now (tags can be hidden).
    bool tagShows(const QImage& tag, const QPoint& at) const;

    const MapPicture& picture_;
    const MapBoard& board_;
    const CounterMgr& counterMgr_;
    const TaggerMgr& tags_;
    const PictureModule& maps_;
    const PictureModule& counters_;

    mutable qreal cachedScale_ = 0.0;
    mutable QHash<QPair<const PictureModule*, int>, QImage> cache_;
};
