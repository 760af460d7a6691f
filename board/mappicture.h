#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>
#include <memory>
#include <vector>

class AFPoint;

// The one map picture that hexes, counters and tags draw into. Every change goes through
// here so the view can repaint exactly the rectangle that changed, and so the picture can
// keep its pristine pixels (as it was made, before any drawing) where drawing covers them:
// a hex erases by putting those back, with no second copy of the whole map.
class MapPicture {
public:
    explicit MapPicture(QImage image);
    ~MapPicture();

    MapPicture(const MapPicture&) = delete;
    MapPicture& operator=(const MapPicture&) = delete;

    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Opaque copy of the whole source with its top-left corner at (x, y), clipped.
    void drawImage(int x, int y, const QImage& source);
    // Opaque copy of sourceRect of the source to (x, y), clipped.
    void copyRect(int x, int y, const QImage& source, const QRect& sourceRect);
    // The pixels of rect (parts outside the picture are black).
    QImage copy(const QRect& rect) const;
    // Lines through the points in order, a one-pixel pen of the colour.
    void drawPolyline(const std::vector<AFPoint>& points, QRgb colour);

    // Puts the pristine pixels back inside rect (clipped); reports a change only where
    // something had been drawn.
    void restorePristine(const QRect& rect);
    // The pristine pixels of rect (parts outside the picture are black).
    QImage pristineCopy(const QRect& rect) const;

    // Called with each changed rectangle, already clipped to the picture. Watching changes
    // nothing: a view that only reads the picture may listen.
    void setChangeListener(std::function<void(const QRect&)> listener) const {
        listener_ = std::move(listener);
    }

private:
    // The pristine pixels are kept in tiles, saved when drawing first covers them. A tile
    // is one column pitch of the hex grid wide, so a hex's counter area never straddles
    // two columns of tiles.
    static constexpr int kTileWidth = 35;
    static constexpr int kTileHeight = 13;

    QRect tileRect(int column, int row) const;
    // Saves the tiles under rect that hold no saved pixels yet, before drawing over them.
    void preserve(const QRect& rect);
    // Gives the picture its own pixels before the first drawing when it shares them.
    void makeOwnPixels();
    void changed(const QRect& rect);

    QImage image_;
    int tileColumns_ = 0;
    int tileRows_ = 0;
    std::vector<std::unique_ptr<QRgb[]>> pristine_; // by row * tileColumns_ + column
    mutable std::function<void(const QRect&)> listener_;
};
