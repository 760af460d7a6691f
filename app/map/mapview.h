#pragma once

#include "app/map/dragscroll.h"
#include "app/map/mappanning.h"
#include "app/map/maprepaints.h"
#include "app/map/mapscroller.h"
#include "app/map/zoomanchor.h"
#include "app/map/zoomedmap.h"

#include <QWidget>

#include <vector>

class MapOverlay;
class MapPicture;
class MapScene;
class Zoom;

// Shows the map picture inside the scroll box at the zoom's scale and hands the mouse to
// the main window in map picture pixels, whatever the zoom: the hex found is the hex drawn
// under the pointer. Overlays are painted on top, in map coordinates.
//
// Its parts: the scroll box's position (MapScroller), panning by hand (MapPanning),
// scrolling near the edge while a counter is dragged (DragScroll), the repaints gathered
// per command (MapRepaints), and the map point a zoom keeps still (ZoomAnchor).
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);
    ~MapView() override;

    // The picture must outlive the view's use of it; nullptr shows nothing.
    void setPicture(const MapPicture* picture);
    // The game, for drawing counters and tags afresh when zoomed in or on a high-density
    // screen; nullptr (as before the game exists, or while it goes) enlarges the picture.
    void setScene(const MapScene* scene);
    // How many repaints the view has asked Qt for, for the tests that keep an Open to a few.
    int updateRequests() const { return repaints_.updateRequests(); }

    Zoom& zoom() { return *zoom_; }
    // View pixels per map picture pixel.
    qreal mapScale() const;
    // Every tile in view has arrived and the view painted since: for the benchmarks that
    // time a zoom until it is sharp.
    bool visibleTilesShown() const;

    // The map picture pixel shown at a point of this widget.
    QPoint mapPixelAt(const QPointF& viewPos) const;
    // Where a map point lies in this widget, and in the scroll box's viewport.
    QPointF viewPointOf(const QPointF& mapPoint) const;
    QPointF viewportPointOf(const QPointF& mapPoint) const;
    // The part of the map the viewport shows, in map pixels.
    QRectF visibleMapRect() const;

    MapScroller& scroller() { return scroller_; }
    // Scrolls so that the map point lies at `viewportPos`, or in the middle of the view, as
    // far as the map allows.
    void placeMapPoint(const QPointF& mapPoint, const QPointF& viewportPos) {
        scroller_.placeMapPoint(mapPoint, viewportPos);
    }
    void centreOn(const QPointF& mapPoint) { scroller_.centreOn(mapPoint); }

    // Overlays are painted in the order added; the view does not own them.
    void addOverlay(MapOverlay* overlay);
    void removeOverlay(MapOverlay* overlay);
    MapRepaints& repaints() { return repaints_; }
    // While a counter is dragged the view scrolls when the pointer nears its edge.
    void setDragScrolling(bool on) { dragScroll_.setOn(on); }

signals:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);
    // The pop-up menu is asked for: by the right button's release, or by the keyboard.
    void menuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void scaleChanged(qreal scale);
    void syncDeviceScale();
    void paintOverlays(QPainter& painter, const QPaintEvent& event);

    const MapPicture* picture_ = nullptr;
    Zoom* zoom_ = nullptr;
    ZoomedMap zoomed_;
    std::vector<MapOverlay*> overlays_;
    MapScroller scroller_;
    MapRepaints repaints_;
    DragScroll dragScroll_;
    MapPanning panning_;
    ZoomAnchor zoomAnchor_;
};
