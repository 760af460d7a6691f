#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>

class MapView;
class QAbstractScrollArea;

// Where the scroll box holding a map view stands: scrolling by pixels, lines and pages,
// placing a map point, showing a rectangle, and the zoom that fits the map to the box.
// Follows the view into whatever scroll box it is put in, and tells of every change of
// the part in view (a scroll, a resize of the box).
class MapScroller : public QObject {
    Q_OBJECT
public:
    explicit MapScroller(MapView& view);

    // The scroll box the view lies in; nullptr while it lies in none.
    QAbstractScrollArea* area() const;
    // The scroll bars' values.
    QPoint position() const;
    void setPosition(const QPoint& position);

    // By viewport pixels, by lines of 20 pixels, by pages of the viewport's size.
    void scrollBy(int dx, int dy);
    void scrollLines(int dx, int dy);
    void scrollPages(int dx, int dy);
    // Scrolls so that the map point lies at `viewportPos`, as far as the map allows.
    void placeMapPoint(const QPointF& mapPoint, const QPointF& viewportPos);
    // Scrolls so that the map point lies in the middle of the view, as far as it can.
    void centreOn(const QPointF& mapPoint);
    // Scrolls as little as needed to show the map rectangle with `margin` view pixels.
    void ensureVisible(const QRectF& mapRect, int margin = 20);

    // The largest scale (within the zoom's range) at which the map's width, or the whole
    // map (`mapSize` in map pixels), fits the box.
    qreal fitWidthScale(const QSize& mapSize) const;
    qreal fitWindowScale(const QSize& mapSize) const;

signals:
    // The part of the map in view changed: a scroll, a zoom, a resize.
    void visibleAreaChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchArea();

    MapView& view_;
    QPointer<QAbstractScrollArea> watched_;
};
