#include "app/pictures/mapterrain.h"

#include "app/pictures/artfonts.h"
#include "app/pictures/bakedpictures.h"
#include "app/pictures/italygeo.h"
#include "app/pictures/mapart.h"
#include "app/pictures/mapcaptions.h"
#include "base/residentmemory.h"
#include "geometry/hexgrid.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace mapterrain {
namespace {

const QColor kDeepSea(139, 178, 207);
const QColor kShallowSea(178, 210, 229);
const QColor kCoastLine(70, 101, 124);
const QColor kLowland(196, 205, 152);
const QColor kHills(208, 196, 146);
const QColor kMountains(184, 160, 118);
const QColor kHatching(116, 90, 60);
const QColor kWater(104, 152, 196);
const QColor kTown(140, 52, 40);
const QColor kTownName(62, 40, 30);
const QPen kCoastPen(kCoastLine, 1.3);

QPainterPath landPath() {
    QPainterPath land = italygeo::shorePath(italygeo::mainland());
    for (const auto& island : italygeo::islands())
        land.addPath(italygeo::shorePath(island, island.size() > 6 ? 3 : 1));
    land.setFillRule(Qt::WindingFill);
    return land;
}

// A soft band along a line: strokes from wide and faint to narrow and strong.
void paintBand(QPainter& painter, const QPainterPath& line, QColor colour, double width) {
    constexpr int kSteps = 5;
    colour.setAlphaF(0.25f);
    for (int step = 0; step < kSteps; ++step) {
        const double fraction = 1.0 - step / static_cast<double>(kSteps);
        painter.strokePath(
            line, QPen(colour, width * fraction, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

// Soft shading is painted at half the resolution and laid over the area smoothly
// enlarged: it looks the same, as it has no sharp edges, and costs a quarter.
constexpr int kSoftScale = 2;

constexpr int kMapWidth = mapart::kWidth;
constexpr int kMapHeight = mapart::kHeight;

template <typename Paint> void paintSoftly(QPainter& painter, const QRect& area, Paint paint) {
    const QSize size(area.width() / kSoftScale + 2, area.height() / kSoftScale + 2);
    // Zeroed memory is transparent, and comes in huge pages when large.
    QImage layer =
        residentmemory::image(size.width(), size.height(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter soft(&layer);
        soft.setRenderHint(QPainter::Antialiasing);
        soft.scale(1.0 / kSoftScale, 1.0 / kSoftScale);
        soft.translate(-area.topLeft());
        paint(soft);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(area.topLeft(), QSizeF(size * kSoftScale)), layer);
    painter.restore();
}

// One small peak: a caret over the crest with a shaded flank on its right.
struct Peak {
    std::array<QPointF, 3> outline;
    QLineF flank;
};

// Small peaks along a crest line, scattered to both sides of it by a fixed sequence so
// every start draws the same mountains, and kept off the hex captions.
std::optional<Peak> peakAt(const QPointF& peak, double halfWidth, double height) {
    const QRectF box(peak.x() - halfWidth, peak.y(), 2 * halfWidth, height);
    if (mapcaptions::captionOverlap(box.adjusted(-1, -1, 1, 1)) > 0.0)
        return std::nullopt;
    // The shaded flank on the right, as if lit from the upper left.
    return Peak{{peak + QPointF(-halfWidth, height), peak, peak + QPointF(halfWidth, height)},
                QLineF(peak + QPointF(1.5, 2.0), peak + QPointF(halfWidth - 1.0, height))};
}

std::vector<Peak> peaksAlong(const QPainterPath& crest) {
    std::vector<Peak> peaks;
    unsigned state = 12345u;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 16) & 0x7FFFu) / 32767.0;
    };
    // Walk the flattened crest, stopping every few pixels: much cheaper than asking the
    // curved path for points by length.
    const QList<QPolygonF> lines = crest.toSubpathPolygons();
    if (lines.isEmpty())
        return peaks;
    const QPolygonF& line = lines.front();
    constexpr double kSpacing = 8.0;
    double at = kSpacing / 2.0;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const QPointF along = line[i + 1] - line[i];
        const double length = std::hypot(along.x(), along.y());
        if (length <= 0.0)
            continue;
        const QPointF across(along.y() / length, -along.x() / length);
        for (; at < length; at += kSpacing) {
            const QPointF centre = line[i] + along * (at / length);
            const double side = (next() - 0.5) * 44.0;
            const QPointF peak = centre + across * side + QPointF(next() * 6.0 - 3.0, 0.0);
            const double halfWidth = 4.0 + next() * 2.5;
            const double height = 4.0 + next() * 3.0;
            if (const std::optional<Peak> found = peakAt(peak, halfWidth, height))
                peaks.push_back(*found);
        }
        at -= length;
    }
    return peaks;
}

// A town's name where it is written: its outline (for the halo and the letters) and the
// box it covers.
struct PlacedName {
    QPainterPath text;
    QPainterPath halo; // the halo's pen stroked around the letters, once
    QRectF bounds;
};

// A pale halo keeps a name readable over grid lines and hatching.
const QPen kNameHaloPen(QColor(236, 232, 210, 200), 2.5, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin);

std::vector<PlacedName> placeNames();

// Everything the terrain is drawn from that takes time to work out, worked out once and
// shared by every drawing, at any scale and on any thread.
struct Geometry {
    QPainterPath land;
    QPainterPath coast; // the coast line's pen stroked around the land, once
    std::vector<QPainterPath> crests;
    std::vector<Peak> peaks;
    std::vector<QPainterPath> lakes;
    std::vector<QPainterPath> rivers;
    std::vector<PlacedName> names;
};

QPainterPath landPath();

Geometry makeGeometry() {
    Geometry g;
    g.land = landPath();
    g.coast = QPainterPathStroker(kCoastPen).createStroke(g.land);
    for (const auto& ridge : italygeo::ridges())
        g.crests.push_back(italygeo::linePath(ridge));
    for (const QPainterPath& crest : g.crests)
        for (const Peak& peak : peaksAlong(crest))
            g.peaks.push_back(peak);
    for (const auto& lake : italygeo::lakes())
        g.lakes.push_back(italygeo::shorePath(lake, 2));
    for (const auto& river : italygeo::rivers())
        g.rivers.push_back(italygeo::linePath(river, 3));
    g.names = placeNames();
    return g;
}

// The soft shading of the whole map, for drawing at other scales: a part of it enlarged
// smoothly looks as the shading made for that part alone.
struct SoftLayers {
    QImage shallows;
    QImage ranges;
};

// What the drawing works from, made when first needed; releaseScaledArt() lets it go, and
// the next drawing makes it again. The soft layers are shared by the drawings on every
// thread; the geometry is each thread's own, as a QPainterPath fills caches on its first use
// (the form the paint engine takes, its bounds) without a lock: two threads filling the same
// path at once could tear them, and a tile showed sea where land is, or the program fell.
struct SharedArt {
    std::mutex mutex;
    std::map<std::thread::id, std::shared_ptr<const Geometry>> geometries;
    std::shared_ptr<const SoftLayers> soft;
};

SharedArt& sharedArt() {
    static SharedArt art;
    return art;
}

std::shared_ptr<const Geometry> geometry() {
    SharedArt& art = sharedArt();
    const std::thread::id thread = std::this_thread::get_id();
    {
        const std::lock_guard lock(art.mutex);
        if (const auto found = art.geometries.find(thread); found != art.geometries.end())
            return found->second;
    }
    // Made without the lock, so that the other threads draw meanwhile.
    auto made = std::make_shared<const Geometry>(makeGeometry());
    const std::lock_guard lock(art.mutex);
    art.geometries[thread] = made;
    return made;
}

QRectF peakBounds(const Peak& peak) {
    return QPolygonF({peak.outline[0], peak.outline[1], peak.outline[2]})
        .boundingRect()
        .adjusted(-2, -2, 2, 2);
}

// The peaks whose strokes reach into `area`, or all of them for a null area.
void paintPeaks(QPainter& painter, const Geometry& geometry, const QRectF& area) {
    painter.setPen(QPen(kHatching, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const Peak& peak : geometry.peaks) {
        if (!area.isNull() && !peakBounds(peak).intersects(area))
            continue;
        painter.drawPolyline(peak.outline.data(), 3);
        painter.drawLine(peak.flank);
    }
}

void paintShallows(QPainter& soft, const Geometry& geometry) {
    QColor shallow = kShallowSea;
    shallow.setAlphaF(0.35f);
    for (double width : {70.0, 44.0, 24.0, 10.0})
        soft.strokePath(geometry.land,
                        QPen(shallow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintRanges(QPainter& soft, const Geometry& geometry) {
    const std::vector<QPainterPath>& crests = geometry.crests;
    for (std::size_t i = 0; i < crests.size(); ++i) {
        const bool mainRange = i < 2;
        paintBand(soft, crests[i], kHills, mainRange ? 150.0 : 70.0);
        paintBand(soft, crests[i], kMountains, mainRange ? 60.0 : 26.0);
    }
}

using PaintSoft = void (*)(QPainter&, const Geometry&);

QImage wholeSoftLayer(PaintSoft paint, const Geometry& geometry) {
    const QRect whole(0, 0, kMapWidth, kMapHeight);
    QImage layer(whole.width() / kSoftScale + 2, whole.height() / kSoftScale + 2,
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter soft(&layer);
    soft.setRenderHint(QPainter::Antialiasing);
    soft.scale(1.0 / kSoftScale, 1.0 / kSoftScale);
    paint(soft, geometry);
    return layer;
}

// The layers the program carries (drawn at build time), else drawn now.
SoftLayers makeSoftLayers(const Geometry& geometry) {
    const std::map<int, QImage> baked =
        bakedpictures::loadSheet(QString::fromLatin1(bakedpictures::kTerrainSheet));
    const auto carried = [&baked](SoftLayer layer) {
        const auto found = baked.find(int(layer));
        return found == baked.end() ? QImage() : found->second;
    };
    SoftLayers layers{carried(SoftLayer::Shallows), carried(SoftLayer::Ranges)};
    const QSize size(kMapWidth / kSoftScale + 2, kMapHeight / kSoftScale + 2);
    if (layers.shallows.size() != size || layers.ranges.size() != size)
        layers = {wholeSoftLayer(&paintShallows, geometry), wholeSoftLayer(&paintRanges, geometry)};
    return layers;
}

std::shared_ptr<const SoftLayers> softLayers(const Geometry& geometry) {
    SharedArt& art = sharedArt();
    const std::lock_guard lock(art.mutex);
    if (!art.soft)
        art.soft = std::make_shared<const SoftLayers>(makeSoftLayers(geometry));
    return art.soft;
}

void drawSoftLayer(QPainter& painter, const QImage& layer) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(layer.size() * kSoftScale)), layer);
    painter.restore();
}

// The soft shading over `area`: drawn for that area alone at the map's own scale (as the
// built-in picture always was), taken from the whole map's layers at any other.
void paintSoft(QPainter& painter, const QRectF& area, const Geometry& geometry, PaintSoft paint,
               const QImage* whole) {
    if (whole)
        drawSoftLayer(painter, *whole);
    else
        paintSoftly(painter, area.toAlignedRect(), [&](QPainter& soft) { paint(soft, geometry); });
}

// `soft` holds the whole map's soft layers when drawing at another scale than the map's own.
void paintSea(QPainter& painter, const QRectF& area, const Geometry& geometry,
              const SoftLayers* soft) {
    painter.fillRect(area.toAlignedRect(), kDeepSea);
    paintSoft(painter, area, geometry, &paintShallows, soft ? &soft->shallows : nullptr);
}

void paintLand(QPainter& painter, const QRectF& area, const Geometry& geometry,
               const SoftLayers* soft) {
    const QPainterPath& land = geometry.land;
    painter.fillPath(land, kLowland);
    painter.save();
    painter.setClipPath(land);
    paintSoft(painter, area, geometry, &paintRanges, soft ? &soft->ranges : nullptr);
    paintPeaks(painter, geometry, soft ? area : QRectF());
    painter.restore();
    painter.fillPath(geometry.coast, kCoastLine);
}

// True when a drawing within `bounds`, widened by `reach` for its pen and smoothing, can
// touch `area`; a null area stands for the whole map.
bool reaches(const QRectF& bounds, double reach, const QRectF& area) {
    return area.isNull() || bounds.adjusted(-reach, -reach, reach, reach).intersects(area);
}

void paintWater(QPainter& painter, const Geometry& geometry, const QRectF& area) {
    for (const QPainterPath& shore : geometry.lakes) {
        if (!reaches(shore.controlPointRect(), 2.0, area))
            continue;
        painter.fillPath(shore, kShallowSea);
        painter.strokePath(shore, QPen(kCoastLine, 1.0));
    }
    for (const QPainterPath& course : geometry.rivers)
        if (reaches(course.controlPointRect(), 3.0, area))
            painter.strokePath(course, QPen(kWater, 2.0, Qt::SolidLine, Qt::RoundCap));
}

void paintTownDots(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(QColor(60, 30, 20), 1.0));
    painter.setBrush(kTown);
    for (const italygeo::Town& town : italygeo::towns()) {
        const QPointF at = italygeo::toMap(town.where);
        const double radius = town.city ? 4.0 : 2.6;
        if (reaches(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius), 2.0, area))
            painter.drawEllipse(at, radius, radius);
    }
}

// Chooses where each town's name goes relative to its dot: right, left, above or below,
// whichever covers the fewest hex captions, names placed before and town dots, and stays
// on the board (ties keep the earlier candidate, so right of the dot is usual).
class NamePlacer {
public:
    QPointF place(const QFontMetricsF& metrics, const QString& name, bool city,
                  const QPointF& dot) {
        const double gap = city ? 6.0 : 4.5;
        const double width = metrics.horizontalAdvance(name);
        const double ascent = metrics.ascent();
        const double middle = ascent / 2.0 - 1.0;
        const QPointF candidates[] = {
            {gap, middle},        {gap, -3.0},
            {gap, ascent + 2.0},  {-gap - width, middle},
            {-gap - width, -3.0}, {-gap - width, ascent + 2.0},
            {-width / 2.0, -gap}, {-width / 2.0, gap + ascent},
        };
        QRectF bestBox;
        QPointF best = candidates[0];
        double bestCost = -1.0;
        for (const QPointF& offset : candidates) {
            const QPointF baseline = dot + offset;
            const QRectF box(baseline.x(), baseline.y() - ascent, width, metrics.height());
            const double cost = costOf(box);
            if (bestCost < 0.0 || cost < bestCost) {
                best = offset;
                bestBox = box;
                bestCost = cost;
            }
        }
        placed_.push_back(bestBox);
        return best;
    }

    void addDot(const QPointF& dot) { placed_.emplace_back(dot - QPointF(4, 4), QSizeF(8, 8)); }

    static constexpr double kBoardRight =
        (hexgrid::kBoardColumns - 1) * hexgrid::kColumnPitch + hexgrid::kTopEdgeWidth - 2;

private:
    double costOf(const QRectF& box) const {
        double cost = mapcaptions::captionOverlap(box);
        for (const QRectF& other : placed_) {
            const QRectF common = box.intersected(other);
            if (!common.isEmpty())
                cost += 4.0 * common.width() * common.height();
        }
        if (box.left() < 2.0 || box.right() > kBoardRight)
            cost += 10000.0;
        return cost;
    }

    std::vector<QRectF> placed_;
};

const QPointF kCompassCentre(760.0, 2430.0);
// Everything the rose draws, its letter N included, with room to spare.
const QRectF kCompassBounds(kCompassCentre - QPointF(70.0, 70.0), QSizeF(140.0, 140.0));

// A compass rose in the Ionian Sea, east of the toe; its needle shows true north on the turned map.
void paintCompass(QPainter& painter) {
    const QPointF centre = kCompassCentre;
    const QPointF northward = italygeo::toMap({15.0, 39.0}) - italygeo::toMap({15.0, 38.0});
    const double angle = std::atan2(northward.x(), -northward.y()) * 180.0 / 3.14159265;
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(kCoastLine, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), 30.0, 30.0);
    painter.drawEllipse(QPointF(0, 0), 26.0, 26.0);
    painter.rotate(angle);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const QPointF tip(0, -40.0);
        const QPointF left(-6.0, -6.0);
        const QPointF right(6.0, -6.0);
        painter.setBrush(quarter == 0 ? QColor(150, 50, 40) : QColor(70, 101, 124));
        const QPointF halfLeft[] = {QPointF(0, 0), left, tip};
        painter.drawPolygon(halfLeft, 3);
        painter.setBrush(QColor(236, 232, 210));
        const QPointF halfRight[] = {QPointF(0, 0), right, tip};
        painter.drawPolygon(halfRight, 3);
        painter.rotate(90.0);
    }
    painter.setFont(artfonts::serif(14, true));
    painter.setPen(QColor(150, 50, 40));
    painter.drawText(QRectF(-10, -62, 20, 18), Qt::AlignCenter, QStringLiteral("N"));
    painter.restore();
}

std::vector<PlacedName> placeNames() {
    std::vector<PlacedName> names;
    NamePlacer placer;
    for (const italygeo::Town& town : italygeo::towns())
        placer.addDot(italygeo::toMap(town.where));
    for (const italygeo::Town& town : italygeo::towns()) {
        const QPointF at = italygeo::toMap(town.where);
        // Towns whose dot lies off the board keep their names to themselves.
        if (at.x() < 0.0 || at.x() > NamePlacer::kBoardRight)
            continue;
        const QFont font = artfonts::serif(town.city ? 12 : 10, town.city, true);
        const QString name = QString::fromUtf8(town.name);
        const QPointF baseline = at + placer.place(QFontMetricsF(font), name, town.city, at);
        PlacedName placed;
        placed.text.addText(baseline, font, name);
        placed.halo = QPainterPathStroker(kNameHaloPen).createStroke(placed.text);
        placed.bounds = placed.text.boundingRect().adjusted(-3, -3, 3, 3);
        names.push_back(std::move(placed));
    }
    return names;
}

void paintTerrainPart(QPainter& painter, const QRectF& area, bool ownScale) {
    const std::shared_ptr<const Geometry> art = geometry();
    std::shared_ptr<const SoftLayers> soft;
    if (!ownScale)
        soft = softLayers(*art);
    paintSea(painter, area, *art, soft.get());
    paintLand(painter, area, *art, soft.get());
    // What lies wholly outside a part drawn at another scale is left out: a tile of a
    // zoomed map is a small part of it. At the map's own scale everything is drawn, as the
    // built-in picture always was.
    const QRectF shown = ownScale ? QRectF() : area;
    paintWater(painter, *art, shown);
    paintTownDots(painter, shown);
    if (reaches(kCompassBounds, 0.0, shown))
        paintCompass(painter);
}

} // namespace

void paintTerrain(QPainter& painter, const QRect& area) {
    paintTerrainPart(painter, area, true);
}

void paintTerrainScaled(QPainter& painter, const QRectF& area) {
    paintTerrainPart(painter, area, false);
}

bool placeNamesReach(const QRectF& area) {
    for (const PlacedName& name : geometry()->names)
        if (area.isNull() || name.bounds.intersects(area))
            return true;
    return false;
}

void paintPlaceNames(QPainter& painter, const QRectF& area) {
    const std::shared_ptr<const Geometry> shared = geometry();
    for (const PlacedName& name : shared->names) {
        if (!area.isNull() && !name.bounds.intersects(area))
            continue;
        painter.fillPath(name.halo, kNameHaloPen.color());
        painter.fillPath(name.text, kTownName);
    }
}

QImage drawWholeSoftLayer(SoftLayer layer) {
    const std::shared_ptr<const Geometry> shared = geometry();
    return wholeSoftLayer(layer == SoftLayer::Shallows ? &paintShallows : &paintRanges, *shared);
}

void releaseScaledArt() {
    SharedArt& art = sharedArt();
    const std::lock_guard lock(art.mutex);
    art.geometries.clear();
    art.soft.reset();
}

} // namespace mapterrain
