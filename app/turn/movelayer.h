#pragma once

#include "app/map/mapoverlay.h"
#include "overlay/moveoverlay.h"

#include <QRectF>
#include <QTimer>

// The turn's moves over the map (arrows and outlines), which the player can hide, and a
// short flash around one counter that a list asked the map to show.
class MoveLayer : public MapOverlay {
public:
    MoveLayer();

    void setMoves(MoveOverlay moves);
    const MoveOverlay& moves() const { return moves_; }
    void setShown(bool shown);
    bool isShown() const { return shown_; }
    // A bright frame around the box for a moment, shown or not.
    void flash(const QRectF& box);
    bool isFlashing() const { return flashTimer_.isActive(); }

    void paint(QPainter& painter, const QRectF& exposed) override;

private:
    void repaintMoves();

    MoveOverlay moves_;
    bool shown_ = true;
    QRectF flashBox_;
    QTimer flashTimer_;
};
