#pragma once

#include <QObject>
#include <QRect>
#include <QRectF>

#include <vector>

class MapView;
class QRegion;

// The map view's repaints: only what the picture reports changed, the changes of one
// command gathered and asked for together once control returns to the event loop, and
// only where they can be seen; many rectangles at once become the one around them. Counts
// what it asks for and what is painted, for the benchmarks and tests that keep a move's
// repaint to the hexes it changed.
class MapRepaints : public QObject {
    Q_OBJECT
public:
    explicit MapRepaints(MapView& view);

    // A rectangle of the map picture changed (map pixels); repainted a moment later.
    void pictureChanged(const QRect& mapRect);
    // The whole view is repainted: the changes gathered so far need no repaint of their own.
    void repaintAll();
    // Repaints a rectangle of map pixels (an overlay changed).
    void updateMapRect(const QRectF& mapRect);
    // Repaints rectangles of map pixels: a few one by one, many as the one around them.
    void updateMapRects(const std::vector<QRectF>& mapRects);
    // Asks Qt to repaint a rectangle of the view.
    void request(const QRect& viewRect);
    // A paint event painted `region` after `arrivals` tile arrivals of the zoomed map.
    void painted(const QRegion& region, quint64 arrivals);

    // How many repaints the view has asked Qt for (calls of QWidget::update).
    int updateRequests() const { return updateRequests_; }
    // View pixels painted so far.
    qint64 paintedPixels() const { return paintedPixels_; }
    // The zoomed map's tile arrivals when the view was last painted.
    quint64 paintedArrivals() const { return paintedArrivals_; }

signals:
    // The map's pixels changed (a command's changes, gathered).
    void mapChanged();

private:
    // The view's rectangle that shows a rectangle of map pixels.
    QRect viewRectOf(const QRect& mapRect) const;
    void repaintChanges();
    void requestAll(const std::vector<QRect>& parts);

    MapView& view_;
    std::vector<QRect> changes_;
    bool queued_ = false;
    // The whole view, asked for and not painted since.
    QRect unpaintedWhole_;
    int updateRequests_ = 0;
    qint64 paintedPixels_ = 0;
    quint64 paintedArrivals_ = 0;
};
