#pragma once

class QPainter;
class QRect;

// The land and sea under the hex grid, painted in map picture coordinates.
namespace mapterrain {

// Sea, coasts, land with its hills and mountains, lakes and rivers, town dots, over
// `area` of the map picture (the painter is set up in map picture coordinates).
void paintTerrain(QPainter& painter, const QRect& area);
// The towns' names, painted after the grid so that its lines do not cross them.
void paintPlaceNames(QPainter& painter);

} // namespace mapterrain
