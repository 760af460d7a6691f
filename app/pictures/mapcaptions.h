#pragma once

#include <QRect>
#include <QRectF>
#include <QString>

// Where the map writes each board hex's letter and number. Other map art keeps clear of
// these boxes so that the captions stay readable.
namespace mapcaptions {

// The hex label without "Hex : " ("A12"); empty for off-board or invalid hexes.
QString caption(int hexIndex);

// The caption's box: low in the hex, under the 24 pixels a single counter covers.
QRect captionBox(int hexIndex);

// How many square pixels of `area` lie over board hexes' caption boxes.
double captionOverlap(const QRectF& area);

} // namespace mapcaptions
