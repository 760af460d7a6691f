#pragma once

#include "app/map/mapscene.h"

#include <QImage>
#include <QWidget>

#include <vector>

class MapView;

// A small picture of the whole map for the overview dock: the bare map, a dot for every
// hex that holds counters (blue for the first side, orange for the second: a pair that
// people with red-green colour blindness tell apart; grey for forts, ports and markers),
// and the part the map view shows as a frame. A click centres the view there; dragging
// moves the frame and the view with it.
class OverviewMap : public QWidget {
    Q_OBJECT
public:
    explicit OverviewMap(MapView& view, QWidget* parent = nullptr);

    // Null while there is no game to show.
    void setScene(const MapScene* scene);

    QSize sizeHint() const override;
    // Where map point `mapPoint` is drawn, and the map point under a widget point.
    QPointF widgetPointOf(const QPointF& mapPoint) const;
    QPointF mapPointAt(const QPointF& widgetPoint) const;
    // The frame of the part in view, in widget pixels.
    QRectF viewFrame() const;

    // The colour of a side's dots: CounterKind as an int, for the tests.
    static QColor dotColour(int kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the map is drawn in the widget: as large as fits, its shape kept.
    QRectF mapArea() const;
    void makeGround();
    // The ground with the dots, as large as the widget.
    void makePicture();
    // A dot of each colour for each quarter-pixel place, `radius` device pixels.
    void makeStamps(qreal radius, qreal dpr);

    MapView& view_;
    const MapScene* scene_ = nullptr;
    QImage ground_;  // the bare map, a quarter of its size (half on a high-density screen)
    QImage picture_; // the ground at the widget's size and the dots, kept while nothing changes
    std::vector<MapScene::OccupiedHex> dots_; // the dots the picture shows
    static constexpr int kStampSteps = 4;     // places per pixel each way
    static constexpr int kStampKinds = 5;     // CounterKind's values
    std::vector<QImage> stamps_;              // by kind, then row and column place
    QPoint stampOrigin_;                      // the dot's centre in a stamp at place 0
    qreal stampRadius_ = 0;
    bool pictureDue_ = true;
    bool dragging_ = false;
    QPointF grabOffset_; // from the frame's middle to where it was taken, in map pixels
};
