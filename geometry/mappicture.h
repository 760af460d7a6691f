#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

class AFPoint;

// The one map picture that hexes, counters and tags draw into. Every change goes through
// here so the view can repaint exactly the rectangle that changed.
class MapPicture {
public:
    explicit MapPicture(QImage image);

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
    // Puts back the whole picture as an earlier image() showed it (an undone open); the
    // size must be the same.
    void restore(const QImage& earlier);

    // Called with each changed rectangle, already clipped to the picture.
    void setChangeListener(std::function<void(const QRect&)> listener) {
        listener_ = std::move(listener);
    }

private:
    void changed(const QRect& rect);

    QImage image_;
    std::function<void(const QRect&)> listener_;
};
