#include "app/pictures/italygeo.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace italygeo {
namespace {

// This place lies at kCentrePixel; the peninsula's axis (south-east) is turned to point
// down the board, and stretched along it so that the boot, from the Po to Sicily, fills
// the long narrow board as a stylised map would.
constexpr GeoPoint kCentre{13.9, 41.3};
constexpr double kKmPerDegree = 111.2;
constexpr double kTurnDegrees = 32.0;
constexpr double kPixelsPerKmAcross = 1.62;
constexpr double kPixelsPerKmAlong = 2.35;
constexpr QPointF kCentrePixel{440.0, 1430.0};

// The mainland, the Alps' foot and the Balkan shore as one outline, clockwise from the
// French coast; the far corners close it well outside the picture.
constexpr GeoPoint kMainland[] = {
    {2.0, 52.0},    {2.0, 43.3},    {4.8, 43.35},   {5.4, 43.2},    {6.0, 43.05},   {6.6, 43.15},
    {7.0, 43.5},    {7.4, 43.72},   {7.7, 43.78},   {8.1, 43.9},    {8.4, 44.2},    {8.75, 44.4},
    {8.95, 44.41},  {9.3, 44.32},   {9.6, 44.15},   {9.85, 44.05},  {10.1, 43.95},  {10.25, 43.75},
    {10.3, 43.55},  {10.45, 43.3},  {10.52, 43.0},  {10.7, 42.9},   {10.95, 42.75}, {11.1, 42.55},
    {11.2, 42.4},   {11.45, 42.35}, {11.75, 42.15}, {11.95, 41.95}, {12.2, 41.78},  {12.4, 41.65},
    {12.6, 41.45},  {12.85, 41.3},  {13.05, 41.22}, {13.3, 41.3},   {13.6, 41.22},  {13.8, 41.15},
    {14.0, 40.95},  {14.2, 40.82},  {14.35, 40.75}, {14.45, 40.64}, {14.33, 40.57}, {14.6, 40.62},
    {14.8, 40.65},  {14.95, 40.45}, {15.0, 40.25},  {15.3, 40.03},  {15.6, 40.05},  {15.75, 39.85},
    {15.8, 39.6},   {15.95, 39.35}, {16.05, 39.1},  {16.15, 38.9},  {16.0, 38.75},  {15.85, 38.68},
    {15.85, 38.5},  {15.75, 38.35}, {15.65, 38.22}, {15.65, 38.0},  {15.75, 37.92}, {16.05, 37.92},
    {16.2, 38.1},   {16.5, 38.35},  {16.6, 38.6},   {16.9, 38.88},  {17.15, 38.92}, {17.1, 39.25},
    {16.95, 39.5},  {16.55, 39.7},  {16.5, 39.85},  {16.75, 40.15}, {16.95, 40.4},  {17.2, 40.48},
    {17.55, 40.3},  {17.95, 40.18}, {18.05, 39.95}, {18.35, 39.8},  {18.5, 40.05},  {18.45, 40.3},
    {18.05, 40.65}, {17.65, 40.8},  {17.25, 41.0},  {16.85, 41.13}, {16.45, 41.3},  {16.05, 41.45},
    {15.9, 41.6},   {16.15, 41.78}, {16.15, 41.9},  {15.9, 41.95},  {15.5, 41.92},  {15.15, 41.93},
    {14.85, 42.05}, {14.5, 42.25},  {14.2, 42.45},  {13.95, 42.7},  {13.8, 43.0},   {13.7, 43.3},
    {13.55, 43.6},  {13.25, 43.7},  {12.95, 43.9},  {12.6, 44.05},  {12.4, 44.25},  {12.3, 44.55},
    {12.45, 44.85}, {12.5, 44.95},  {12.25, 45.2},  {12.4, 45.45},  {12.7, 45.55},  {13.1, 45.7},
    {13.55, 45.75}, {13.75, 45.6},  {13.6, 45.45},  {13.55, 45.15}, {13.85, 44.85}, {14.05, 45.1},
    {14.3, 45.33},  {14.6, 45.2},   {14.9, 44.9},   {15.1, 44.45},  {15.5, 44.1},   {15.9, 43.7},
    {16.3, 43.5},   {16.7, 43.4},   {17.2, 43.1},   {17.6, 42.9},   {18.1, 42.65},  {18.55, 42.4},
    {18.9, 42.2},   {19.3, 41.9},   {19.5, 41.6},   {19.45, 41.3},  {19.4, 40.9},   {19.35, 40.6},
    {19.5, 40.35},  {20.0, 39.8},   {20.3, 39.4},   {21.0, 38.6},   {26.0, 37.0},   {26.0, 52.0},
};

constexpr GeoPoint kSicily[] = {
    {12.43, 37.8}, {12.5, 38.0},   {12.7, 38.13}, {13.1, 38.2},  {13.35, 38.2},  {13.55, 38.1},
    {13.9, 38.0},  {14.3, 38.02},  {14.7, 38.08}, {15.1, 38.15}, {15.5, 38.25},  {15.65, 38.27},
    {15.4, 37.95}, {15.2, 37.7},   {15.1, 37.45}, {15.2, 37.3},  {15.25, 37.05}, {15.15, 36.85},
    {15.1, 36.68}, {14.85, 36.72}, {14.45, 36.8}, {14.2, 37.05}, {13.8, 37.15},  {13.45, 37.28},
    {13.0, 37.5},  {12.65, 37.6},
};
constexpr GeoPoint kSardinia[] = {
    {9.15, 41.25}, {9.45, 41.15}, {9.65, 40.95}, {9.75, 40.55}, {9.7, 40.1},
    {9.65, 39.7},  {9.55, 39.2},  {9.1, 39.2},   {8.85, 38.9},  {8.6, 38.88},
    {8.4, 39.05},  {8.45, 39.4},  {8.5, 39.75},  {8.4, 40.0},   {8.5, 40.3},
    {8.3, 40.6},   {8.15, 40.95}, {8.4, 40.9},   {8.75, 40.92}, {9.0, 41.12},
};
constexpr GeoPoint kCorsica[] = {
    {9.4, 43.02}, {9.48, 42.7},  {9.55, 42.3},  {9.45, 41.95}, {9.4, 41.6},
    {9.2, 41.37}, {8.85, 41.55}, {8.65, 41.75}, {8.6, 41.95},  {8.7, 42.15},
    {8.6, 42.4},  {8.75, 42.6},  {9.1, 42.7},   {9.3, 42.8},   {9.35, 43.0},
};
constexpr GeoPoint kElba[] = {{10.1, 42.82}, {10.35, 42.84}, {10.45, 42.78},
                              {10.4, 42.72}, {10.25, 42.74}, {10.1, 42.75}};
constexpr GeoPoint kIschia[] = {{13.85, 40.76}, {13.96, 40.76}, {13.96, 40.7}, {13.85, 40.7}};
constexpr GeoPoint kCapri[] = {{14.19, 40.56}, {14.27, 40.56}, {14.27, 40.53}, {14.19, 40.53}};

constexpr GeoPoint kTrasimeno[] = {{12.0, 43.17}, {12.17, 43.17}, {12.17, 43.08}, {12.0, 43.08}};
constexpr GeoPoint kBolsena[] = {{11.87, 42.66}, {12.0, 42.66}, {12.0, 42.54}, {11.87, 42.54}};
constexpr GeoPoint kBracciano[] = {{12.17, 42.15}, {12.28, 42.15}, {12.28, 42.07}, {12.17, 42.07}};
constexpr GeoPoint kGarda[] = {{10.55, 45.75}, {10.75, 45.75}, {10.75, 45.45}, {10.55, 45.45}};

constexpr GeoPoint kPo[] = {{7.1, 44.7},   {7.7, 45.05},  {8.4, 45.1},  {9.1, 45.1},
                            {9.7, 45.1},   {10.3, 44.95}, {10.8, 45.0}, {11.4, 45.0},
                            {11.9, 44.95}, {12.3, 44.95}, {12.5, 44.95}};
constexpr GeoPoint kAdige[] = {{10.95, 45.6}, {11.3, 45.3}, {11.8, 45.2}, {12.3, 45.15}};
constexpr GeoPoint kReno[] = {{11.1, 44.2}, {11.3, 44.5}, {11.8, 44.6}, {12.25, 44.6}};
constexpr GeoPoint kArno[] = {{11.7, 43.8},  {11.5, 43.75}, {11.25, 43.77},
                              {10.9, 43.72}, {10.6, 43.69}, {10.28, 43.68}};
constexpr GeoPoint kMetauro[] = {{12.5, 43.55}, {12.8, 43.7}, {13.0, 43.83}};
constexpr GeoPoint kTiber[] = {{12.05, 43.8}, {12.25, 43.45}, {12.4, 43.1},  {12.45, 42.7},
                               {12.55, 42.3}, {12.5, 41.95},  {12.25, 41.74}};
constexpr GeoPoint kLiri[] = {
    {13.35, 41.85}, {13.6, 41.65}, {13.8, 41.45}, {13.85, 41.3}, {13.75, 41.23}};
constexpr GeoPoint kVolturno[] = {{14.1, 41.7}, {14.3, 41.35}, {14.35, 41.12}, {14.0, 41.02}};
constexpr GeoPoint kSangro[] = {{13.9, 41.8}, {14.2, 41.95}, {14.5, 42.1}, {14.6, 42.2}};
constexpr GeoPoint kOfanto[] = {{15.1, 40.9}, {15.6, 41.1}, {16.15, 41.35}};
constexpr GeoPoint kSele[] = {{15.25, 40.8}, {15.1, 40.6}, {14.95, 40.5}};

constexpr GeoPoint kAlps[] = {{7.0, 44.2},  {7.0, 45.0},  {7.3, 45.8},  {8.5, 46.3},
                              {9.5, 46.4},  {10.5, 46.4}, {11.5, 46.5}, {12.5, 46.5},
                              {13.5, 46.4}, {14.2, 45.9}, {15.0, 45.2}, {16.0, 44.4},
                              {17.0, 43.8}, {18.2, 43.2}, {19.2, 42.6}, {20.2, 41.5}};
constexpr GeoPoint kApennines[] = {
    {8.0, 44.3},   {8.8, 44.55},  {9.5, 44.45},  {10.2, 44.25}, {10.9, 44.1},   {11.5, 44.05},
    {12.0, 43.85}, {12.5, 43.5},  {12.9, 43.05}, {13.2, 42.75}, {13.55, 42.45}, {13.9, 42.05},
    {14.2, 41.7},  {14.6, 41.4},  {15.0, 41.1},  {15.4, 40.75}, {15.75, 40.4},  {16.0, 40.0},
    {16.15, 39.6}, {16.35, 39.2}, {16.3, 38.8},  {16.2, 38.4},  {15.95, 38.15}};
constexpr GeoPoint kSicilyHills[] = {{13.3, 37.85}, {14.0, 37.88}, {14.6, 37.88}, {15.0, 37.75}};
constexpr GeoPoint kSardiniaHills[] = {{9.0, 39.5}, {9.3, 40.0}, {9.35, 40.5}};
constexpr GeoPoint kCorsicaHills[] = {{9.25, 42.5}, {9.05, 42.15}, {9.15, 41.75}};

constexpr Town kTowns[] = {
    {"Rome", {12.5, 41.9}, true},
    {"Naples", {14.25, 40.85}, true},
    {"Florence", {11.25, 43.77}, true},
    {"Bologna", {11.34, 44.49}, true},
    {"Venice", {12.33, 45.44}, true},
    {"Genoa", {8.93, 44.41}, true},
    {"Bari", {16.87, 41.12}, true},
    {"Palermo", {13.36, 38.12}, true},
    {"Taranto", {17.24, 40.47}, true},
    {"Messina", {15.55, 38.19}, false},
    {"Reggio", {15.65, 38.11}, false},
    {"Catania", {15.09, 37.5}, false},
    {"Syracuse", {15.29, 37.07}, false},
    {"Salerno", {14.77, 40.68}, false},
    {"Foggia", {15.55, 41.46}, false},
    {"Pescara", {14.21, 42.46}, false},
    {"Ancona", {13.52, 43.62}, false},
    {"Rimini", {12.57, 44.06}, false},
    {"Ravenna", {12.2, 44.42}, false},
    {"Livorno", {10.31, 43.55}, false},
    {"Pisa", {10.4, 43.72}, false},
    {"Cassino", {13.83, 41.49}, false},
    {"Anzio", {12.63, 41.45}, false},
    {"Ortona", {14.4, 42.35}, false},
    {"Termoli", {15.0, 42.0}, false},
    {"Potenza", {15.8, 40.64}, false},
    {"Cosenza", {16.25, 39.3}, false},
    {"Benevento", {14.78, 41.13}, false},
    {"Perugia", {12.39, 43.11}, false},
    {"Grosseto", {11.11, 42.76}, false},
    {"Gaeta", {13.57, 41.21}, false},
    {"Brindisi", {17.94, 40.64}, false},
    {"Civitavecchia", {11.8, 42.09}, false},
    {"Viterbo", {12.1, 42.42}, false},
    {"L'Aquila", {13.4, 42.35}, false},
    {"Crotone", {17.12, 39.08}, false},
    {"Trapani", {12.51, 38.02}, false},
    {"Gela", {14.25, 37.07}, false},
    {"Cagliari", {9.11, 39.22}, false},
    {"Bastia", {9.45, 42.7}, false},
    {"Ferrara", {11.62, 44.84}, false},
    {"Padua", {11.88, 45.41}, false},
    {"Verona", {10.99, 45.44}, false},
    {"La Spezia", {9.82, 44.1}, false},
    {"Trieste", {13.77, 45.65}, false},
    {"Split", {16.44, 43.51}, false},
    {"Campobasso", {14.66, 41.56}, false},
    {"Siena", {11.33, 43.32}, false},
    {"Arezzo", {11.88, 43.46}, false},
    {"Ajaccio", {8.74, 41.92}, false},
};

// A repeatable pseudo-random value in [-1, 1] for a segment, so the coast is the same on
// every start and a segment shared by two outlines bends the same way.
double wiggle(const QPointF& a, const QPointF& b) {
    auto bits = static_cast<std::uint32_t>(std::lround(a.x() * 7.0 + b.y() * 13.0) * 2654435761u) ^
                static_cast<std::uint32_t>(std::lround(a.y() * 11.0 + b.x() * 17.0) * 40503u);
    bits ^= bits >> 15;
    bits *= 2246822519u;
    bits ^= bits >> 13;
    return static_cast<double>(bits % 2001u) / 1000.0 - 1.0;
}

// Splits every segment at a midpoint pushed sideways by up to `rough` of its length.
std::vector<QPointF> roughen(std::vector<QPointF> points, bool closed, int detail, double rough) {
    for (int level = 0; level < detail; ++level) {
        std::vector<QPointF> finer;
        const std::size_t segments = closed ? points.size() : points.size() - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const QPointF a = points[i];
            const QPointF b = points[(i + 1) % points.size()];
            const QPointF d = b - a;
            const QPointF normal(-d.y(), d.x());
            finer.push_back(a);
            finer.push_back((a + b) / 2.0 + normal * (rough * wiggle(a, b)));
        }
        if (!closed)
            finer.push_back(points.back());
        points = std::move(finer);
    }
    return points;
}

std::vector<QPointF> project(std::span<const GeoPoint> places) {
    std::vector<QPointF> points;
    points.reserve(places.size());
    for (const GeoPoint& place : places)
        points.push_back(toMap(place));
    return points;
}

// Quadratic curves through the midpoints: a smooth line that keeps the points' shape.
void smoothThrough(QPainterPath& path, const std::vector<QPointF>& points, bool closed) {
    const std::size_t n = points.size();
    if (closed) {
        path.moveTo((points[n - 1] + points[0]) / 2.0);
        for (std::size_t i = 0; i < n; ++i)
            path.quadTo(points[i], (points[i] + points[(i + 1) % n]) / 2.0);
        path.closeSubpath();
        return;
    }
    path.moveTo(points[0]);
    for (std::size_t i = 1; i + 1 < n; ++i)
        path.quadTo(points[i], (points[i] + points[i + 1]) / 2.0);
    path.lineTo(points[n - 1]);
}

} // namespace

QPointF toMap(GeoPoint place) {
    constexpr double kRadians = std::numbers::pi / 180.0;
    const double east = (place.lon - kCentre.lon) * std::cos(kCentre.lat * kRadians) * kKmPerDegree;
    const double south = (kCentre.lat - place.lat) * kKmPerDegree;
    const double c = std::cos(kTurnDegrees * kRadians);
    const double s = std::sin(kTurnDegrees * kRadians);
    return kCentrePixel + QPointF((east * c - south * s) * kPixelsPerKmAcross,
                                  (east * s + south * c) * kPixelsPerKmAlong);
}

QPainterPath shorePath(std::span<const GeoPoint> outline, int detail) {
    QPainterPath path;
    if (outline.size() < 3)
        return path;
    smoothThrough(path, roughen(project(outline), true, detail, 0.16), true);
    return path;
}

QPainterPath linePath(std::span<const GeoPoint> line, int detail) {
    QPainterPath path;
    if (line.size() < 2)
        return path;
    smoothThrough(path, roughen(project(line), false, detail, 0.12), false);
    return path;
}

std::span<const GeoPoint> mainland() {
    return kMainland;
}

std::vector<std::span<const GeoPoint>> islands() {
    return {kSicily, kSardinia, kCorsica, kElba, kIschia, kCapri};
}

std::vector<std::span<const GeoPoint>> lakes() {
    return {kTrasimeno, kBolsena, kBracciano, kGarda};
}

std::vector<std::span<const GeoPoint>> rivers() {
    return {kPo, kAdige, kReno, kArno, kMetauro, kTiber, kLiri, kVolturno, kSangro, kOfanto, kSele};
}

std::vector<std::span<const GeoPoint>> ridges() {
    return {kAlps, kApennines, kSicilyHills, kSardiniaHills, kCorsicaHills};
}

std::span<const Town> towns() {
    return kTowns;
}

} // namespace italygeo
