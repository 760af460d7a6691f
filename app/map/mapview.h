#pragma once

#include "app/map/zoomedmap.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

class MapOverlay;
class MapPicture;
class MapScene;
class QAbstractScrollArea;
class Zoom;

// Shows the map picture inside the scroll box at the zoom's scale and hands the mouse to
// the main window in map picture pixels, whatever the zoom: the hex found is the hex drawn
// under the pointer. Repaints only what the picture reports changed: the changes of one
// command are gathered and asked for together once control returns to the event loop, and
// only where they can be seen. Overlays are painted on top, in map coordinates.
//
// Moving around: the middle button, or Space with the left button, pans; the scrolling
// keys' commands (Ctrl with the arrows, the Page keys) call scrollLines and scrollPages;
// Ctrl with the wheel zooms about the pointer; while a counter is dragged the view scrolls
// when the pointer nears its edge.
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
    // How many repaints the view has asked Qt for (calls of QWidget::update), for the
    // benchmarks and tests that keep an Open to a few.
    int updateRequests() const { return updateRequests_; }
    // Pixels (view pixels) and paint events painted so far, for the benchmarks that keep a
    // move's repaint to the two hexes it changed.
    qint64 paintedPixels() const { return paintedPixels_; }
    int paintEvents() const { return paintEvents_; }

    Zoom& zoom() { return *zoom_; }
    // View pixels per map picture pixel.
    qreal mapScale() const;
    // Zooms to `scale`, keeping the map point under `viewportPos` (the scroll box's
    // viewport) where it is.
    void zoomAt(qreal scale, const QPointF& viewportPos);
    // The largest scale (within the zoom's range) at which the map's width, or the whole
    // map, fits the view.
    qreal fitWidthScale() const;
    qreal fitWindowScale() const;
    const ZoomedMap& zoomedMap() const { return zoomed_; }
    // Makes the zoomed map's tiles for the part in view and a ring around it, and waits
    // for them: what a player sees a moment after a zoom (benchmarks, screenshots).
    void finishVisibleTiles();
    // Every tile in view has arrived and the view painted since (what finishVisibleTiles
    // waits for, without waiting): for the benchmarks that time a zoom until it is sharp.
    bool visibleTilesShown() const;

    // The map picture pixel shown at a point of this widget.
    QPoint mapPixelAt(const QPointF& viewPos) const;
    // Where a map point lies in this widget, and in the scroll box's viewport.
    QPointF viewPointOf(const QPointF& mapPoint) const;
    QPointF viewportPointOf(const QPointF& mapPoint) const;
    // The part of the map the viewport shows, in map pixels.
    QRectF visibleMapRect() const;

    // Scrolling, for the keys, the pan and whoever else needs it (a hex cursor): by
    // viewport pixels, by lines of 20 pixels, by pages of the viewport's size.
    void scrollBy(int dx, int dy);
    void scrollLines(int dx, int dy);
    void scrollPages(int dx, int dy);
    // Scrolls so that the map point lies at `viewportPos`, as far as the map allows.
    void placeMapPoint(const QPointF& mapPoint, const QPointF& viewportPos);
    // Scrolls so that the map point lies in the middle of the view, as far as it can.
    void centreOn(const QPointF& mapPoint);
    // Scrolls as little as needed to show the map rectangle with `margin` view pixels.
    void ensureVisible(const QRectF& mapRect, int margin = 20);

    // Overlays are painted in the order added; the view does not own them.
    void addOverlay(MapOverlay* overlay);
    void removeOverlay(MapOverlay* overlay);
    // Repaints a rectangle of map pixels (an overlay changed).
    void updateMapRect(const QRectF& mapRect);
    // Repaints rectangles of map pixels: a few one by one, many as the one around them.
    void updateMapRects(const std::vector<QRectF>& mapRects);

    // While a counter is dragged the view scrolls when the pointer nears its edge.
    void setDragScrolling(bool on);

signals:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);
    // The pop-up menu is asked for: by the right button's release, or by the keyboard.
    void menuRequested(const QPoint& globalPos);
    // The map's pixels changed (a command's changes, gathered).
    void mapChanged();
    // The part of the map in view changed: a scroll, a zoom, a resize.
    void visibleAreaChanged();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QAbstractScrollArea* scrollArea() const;
    void watchScrollArea();
    QSize mapViewSize() const;
    // The part of the map in view, in device pixels of the zoomed map.
    QRect visibleDeviceRect() const;
    // The view's rectangle that shows a rectangle of map pixels.
    QRect viewRectOf(const QRect& mapRect) const;
    void scaleChanged(qreal scale);
    void syncDeviceScale();
    void pictureChanged(const QRect& rect);
    void repaintChanges();
    void requestUpdates(const std::vector<QRect>& parts);
    void requestUpdate(const QRect& rect);
    void emitMove(const QPointF& viewPos);

    void beginPan(const QPointF& globalPos, Qt::MouseButton button);
    void endPan();
    void setSpaceHeld(bool held);
    void updateDragScroll(const QPointF& viewPos);
    void dragScrollStep();

    const MapPicture* picture_ = nullptr;
    Zoom* zoom_ = nullptr;
    ZoomedMap zoomed_;
    qreal shownScale_ = 1.0;
    std::optional<QPointF> zoomAnchor_;
    // The map point a wheel burst keeps under the pointer, fixed over all its steps so that
    // rounding to whole scroll positions does not add up.
    std::optional<QPointF> zoomMapPoint_;
    std::vector<QRect> changes_;
    std::vector<MapOverlay*> overlays_;
    QPointer<QAbstractScrollArea> watchedArea_;
    bool repaintQueued_ = false;
    int updateRequests_ = 0;
    qint64 paintedPixels_ = 0;
    int paintEvents_ = 0;
    quint64 paintedArrivals_ = 0; // the zoomed map's tile arrivals when last painted
    int wheelSteps_ = 0;          // eighths of a degree of Ctrl+wheel not yet turned into a step

    // Panning with the middle button or Space and the left button.
    Qt::MouseButton panButton_ = Qt::NoButton;
    QPointF panStart_;
    QPoint panScrollStart_;
    bool spaceHeld_ = false;
    int cursorsPushed_ = 0;

    // Scrolling near the edge while a counter is dragged.
    bool dragScrolling_ = false;
    QPointF dragViewportPos_;
    QPoint dragScrollSpeed_;
    QTimer dragScrollTimer_;
};
