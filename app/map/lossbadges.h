#pragma once

#include "app/map/mapoverlay.h"

class Game;

// Losses a player can read: each counter with losses gets its number in a small square
// over a corner of its picture (the top counter's lower right, a counter under others its
// upper right where enough of it shows), which itself stays as its module made it. Orange with
// black is told apart from the counters' colours by every kind of colour vision.
class LossBadges : public MapOverlay {
public:
    explicit LossBadges(const Game& game) : game_(game) {}

    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }

    void paint(QPainter& painter, const QRectF& exposed) override;

    // The badge's square for a counter drawn at (x, y) in map pixels.
    static QRect badgeAt(int x, int y);

private:
    const Game& game_;
    bool enabled_ = false;
};
