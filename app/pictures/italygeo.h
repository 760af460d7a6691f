#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <span>
#include <vector>

// The geography the drawn map shows, in degrees, and its projection onto the board area
// of the map picture (columns A..Y, x 0..875). The peninsula is turned so that it runs
// down the board, as wargame maps of Italy usually do.
namespace italygeo {

struct GeoPoint {
    double lon;
    double lat;
};

// Pixel on the map picture of a place.
QPointF toMap(GeoPoint place);

// A closed outline through the places, its coast roughened deterministically so that
// it reads as a shore rather than a polygon. `detail` is the number of halving steps.
QPainterPath shorePath(std::span<const GeoPoint> outline, int detail = 3);
// An open line through the places, gently bent the same way (rivers, ridges).
QPainterPath linePath(std::span<const GeoPoint> line, int detail = 2);

// The mainland with the Balkan shore, and the islands.
std::span<const GeoPoint> mainland();
std::vector<std::span<const GeoPoint>> islands();
std::vector<std::span<const GeoPoint>> lakes();
std::vector<std::span<const GeoPoint>> rivers();
// Crest lines of the Alps and the Apennines (and the islands' hills).
std::vector<std::span<const GeoPoint>> ridges();

struct Town {
    const char* name;
    GeoPoint where;
    bool city; // drawn larger, with its name
};
std::span<const Town> towns();

} // namespace italygeo
