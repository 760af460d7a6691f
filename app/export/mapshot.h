#pragma once

#include "overlay/moveoverlay.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class Game;
class QPainter;

// A picture of the map as the view shows it at one zoom: the whole map or a part of it, with
// the turn's moves over it and a caption in Korva's own words in its corner, or without.
struct MapShot {
    // Picture pixels per map pixel: one of the view's zoom steps.
    qreal scale = 1.0;
    // The part of the map, in map pixels; null for the whole map.
    QRect area;
    MoveOverlay marks;
    // Written in the top-left corner; empty for none.
    QString caption;
};

namespace mapshot {

// The part of the zoomed map the picture shows, in its pixels.
QRect deviceRect(const Game& game, const MapShot& shot);
// Draws the picture band of rows by band of rows from the top and hands each band to `take`
// with its first row, dropping it once taken, so that a large picture is never held whole.
// The map is the window's at that zoom (at 100% the map picture itself). Stops with false
// when `take` answers false or memory runs out.
bool drawBands(const Game& game, const MapShot& shot,
               const std::function<bool(QImage band, int top)>& take);
// Draws the whole picture into `target`, an RGB32 picture of deviceRect()'s size. The whole
// map at or below 100% goes straight into it: nothing else of its size is held. Tells
// `rowsDone` (when given) how many rows are drawn as it goes, and stops with false once it
// answers false.
bool drawInto(const Game& game, const MapShot& shot, QImage& target,
              const std::function<bool(int rows)>& rowsDone = {});
// The caption in the picture's top-left corner: light text on a dark box, as no map pixel is.
void paintCaption(QPainter& painter, const QString& caption);

} // namespace mapshot
