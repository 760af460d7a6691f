#pragma once

#include <QImage>

// The small pictures drawn over the map and the counters: the combat tags' dice and the
// two counter markers.
namespace tagart {

enum class DieFamily {
    Own,      // rolled in this run: a white die with black pips
    Opponent, // read from a move file: a red die with white pips
};

inline constexpr int kDieSize = 8;
inline constexpr int kMarkerSize = 12;

// An 8 x 8 die showing value 1..6, Format_RGB32. At a `scale` other than 1 it is drawn
// afresh with that many device pixels per picture pixel (ceil(8 x scale) square), its pips
// round.
QImage diePicture(int value, DieFamily family, qreal scale = 1.0);

// The marker for state 1 (a yellow badge with "1") or 2 (a red badge with an arrow pointing
// down: the marker "inverted"), kMarkerSize square, Format_RGB32; drawn afresh at a
// `scale` other than 1 as the die is.
QImage markerPicture(int state, qreal scale = 1.0);

} // namespace tagart
