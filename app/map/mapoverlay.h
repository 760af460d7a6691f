#pragma once

#include <QRectF>

#include <vector>

class MapView;
class QPainter;

// Something the map view paints over the map (move arrows, outlines, a hex cursor), in
// map picture coordinates and never into the map picture itself, so that erasing and
// redrawing hexes stays as the drawing rules make it.
class MapOverlay {
public:
    MapOverlay() = default;
    virtual ~MapOverlay();
    MapOverlay(const MapOverlay&) = delete;
    MapOverlay& operator=(const MapOverlay&) = delete;

    // Paints what lies in `exposed` (map pixels, the part being repainted). The painter
    // maps map pixels onto the view at its zoom and is clipped to the exposed part.
    virtual void paint(QPainter& painter, const QRectF& exposed) = 0;

protected:
    // Asks the view showing this overlay to repaint a rectangle of map pixels; nothing
    // while no view shows it.
    void requestRepaint(const QRectF& mapRect);
    // The same for several rectangles: a few one by one, many as the one around them.
    void requestRepaint(const std::vector<QRectF>& mapRects);

private:
    friend class MapView;
    MapView* view_ = nullptr;
};
