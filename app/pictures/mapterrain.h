#pragma once

#include <QImage>

class QPainter;
class QRect;
class QRectF;

// The land and sea under the hex grid, painted in map picture coordinates.
namespace mapterrain {

// Sea, coasts, land with its hills and mountains, lakes and rivers, town dots, over
// `area` of the map picture (the painter is set up in map picture coordinates).
void paintTerrain(QPainter& painter, const QRect& area);
// The same at any scale (the painter maps map picture coordinates to its device): the
// soft shading comes from layers made once for the whole map, and only what reaches
// `area` is drawn.
void paintTerrainScaled(QPainter& painter, const QRectF& area);
// The towns' names that reach `area` (all of them for a null area), painted after the
// grid so that its lines do not cross them.
void paintPlaceNames(QPainter& painter, const QRectF& area);
// True when some town's name reaches `area` (any for a null area).
bool placeNamesReach(const QRectF& area);

// The soft shading of the whole map at half its size, which drawing at another scale lays
// over the map, drawn now (what the build carries in the program's terrain sheet).
enum class SoftLayer { Shallows = 1, Ranges = 2 };
QImage drawWholeSoftLayer(SoftLayer layer);
// Lets go of what drawing at other scales works from (about 15 MB: the coast, rivers and
// names worked out, the soft shading); drawings under way keep what they use, and the next
// one makes it again.
void releaseScaledArt();

} // namespace mapterrain
