#pragma once

#include <QObject>
#include <QPointF>

#include <optional>

class MapView;
class Zoom;

// Which map point a zoom keeps where it is: the one under the pointer for Ctrl with the
// wheel (a notch a step), otherwise the one in the middle of the view. Watches the view's
// wheel events; the wheel without Ctrl goes on to the scroll box.
class ZoomAnchor : public QObject {
    Q_OBJECT
public:
    ZoomAnchor(MapView& view, Zoom& zoom);

    struct Kept {
        QPointF mapPoint;
        QPointF viewportPos;
    };
    // The zoom changed to `scale`: the map point to keep, and where in the viewport.
    Kept kept(qreal scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MapView& view_;
    Zoom& zoom_;
    qreal shownScale_ = 1.0;
    std::optional<QPointF> anchor_;
    // The map point a wheel burst keeps under the pointer, fixed over all its steps so that
    // rounding to whole scroll positions does not add up.
    std::optional<QPointF> mapPoint_;
    int wheelSteps_ = 0; // eighths of a degree of Ctrl+wheel not yet turned into a step
};
