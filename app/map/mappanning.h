#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

class DragScroll;
class MapScroller;
class QWidget;

// Panning the map by hand: the middle button, or Space held with the left button, drags
// the map the way the pointer goes. Space is held rather than pressed, so it is no command
// of the table; the open hand shows while it is down. Watches the view's own events, and
// takes those of a pan so that the view never sees them as a click.
class MapPanning : public QObject {
    Q_OBJECT
public:
    MapPanning(QWidget& view, MapScroller& scroller, const DragScroll& dragScroll);
    ~MapPanning() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mousePressed(Qt::MouseButton button, const QPointF& globalPos);
    void setSpaceHeld(bool held);
    void pushCursor(Qt::CursorShape shape);
    void popCursor();

    QWidget& view_;
    MapScroller& scroller_;
    // No Space pan while a counter is held: the left button drops it.
    const DragScroll& dragScroll_;
    Qt::MouseButton button_ = Qt::NoButton;
    QPointF start_;
    QPoint scrollStart_;
    bool spaceHeld_ = false;
    int cursorsPushed_ = 0;
};
