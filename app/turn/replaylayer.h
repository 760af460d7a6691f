#pragma once

#include "app/map/mapoverlay.h"

#include <QRectF>

#include <cstddef>

class Game;
class ReplayController;

// Paints a replay over the map, never into it: the counters of steps still to come wait at
// their start hexes (their new hexes show what stood there before), the stack of the step
// under way slides from its start hex to the hex it went to, a step done leaves an arrow,
// and a combat shows its die and comment at its hex. The game is only read.
class ReplayLayer : public MapOverlay {
public:
    ReplayLayer(const Game& game, const ReplayController& replay);

    void paint(QPainter& painter, const QRectF& exposed) override;
    // The controller changed: repaints what it showed and what it shows now.
    void refresh();

private:
    QRectF stepArea(std::size_t step) const;
    // Where a counter still to move now stands, the map as it was before it came.
    void paintHexesBefore(QPainter& painter, const QRectF& exposed) const;
    // The arrows of the moves played, the stack moving now, and those still to come.
    void paintMoves(QPainter& painter) const;
    // The combat being told: its hex ringed and its label.
    void paintCombat(QPainter& painter) const;

    const Game& game_;
    const ReplayController& replay_;
    QRectF lastShown_;
    std::size_t lastStep_ = 0;
};
