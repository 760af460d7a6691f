#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QTimer>

class MapScroller;
class QWidget;

// While a counter is dragged, the map scrolls when the pointer nears the viewport's edge:
// a little at the edge, faster the further out, until the map's edge.
class DragScroll : public QObject {
    Q_OBJECT
public:
    DragScroll(QWidget& view, MapScroller& scroller);

    void setOn(bool on);
    bool isOn() const { return on_; }
    // The pointer moved to a point of the view.
    void follow(const QPointF& viewPos);

signals:
    // The map moved under the still pointer, which now lies at this point of the view.
    void pointerMoved(const QPointF& viewPos);

private:
    void step();

    QWidget& view_;
    MapScroller& scroller_;
    bool on_ = false;
    QPointF viewportPos_;
    QPoint speed_;
    QTimer timer_;
};
