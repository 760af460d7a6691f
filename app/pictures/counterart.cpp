#include "app/pictures/counterart.h"

#include "app/pictures/artfonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace counterart {
namespace {

constexpr int kInnerLeft = 1;
constexpr int kInnerWidth = kCounterSize - 2;
constexpr int kBandTop = 1;
constexpr int kBandHeight = 3;
constexpr int kSizeMarkTop = 4;
constexpr int kTrackTop = 21;

struct Palette {
    QColor ground;
    QColor ink;
    QColor outline;
    QColor reduced; // the ground shades toward this with each loss
};

Palette paletteOf(CounterKind kind) {
    switch (kind) {
    case CounterKind::FirstSide:
        return {QColor(207, 190, 130), QColor(28, 24, 16), QColor(74, 63, 32),
                QColor(240, 234, 214)};
    case CounterKind::SecondSide:
        return {QColor(110, 120, 103), QColor(255, 255, 255), QColor(36, 40, 34),
                QColor(66, 72, 62)};
    case CounterKind::Fort:
        return {QColor(185, 182, 174), QColor(32, 32, 32), QColor(64, 64, 64),
                QColor(185, 182, 174)};
    case CounterKind::Port:
        return {QColor(45, 91, 140), QColor(255, 255, 255), QColor(18, 38, 60),
                QColor(45, 91, 140)};
    case CounterKind::Marker:
        return {QColor(252, 252, 248), QColor(20, 20, 20), QColor(90, 40, 110),
                QColor(252, 252, 248)};
    }
    return {};
}

struct Band {
    std::vector<QColor> stripes;
    bool vertical = false;
};

Band bandOf(const CounterLook& look) {
    const QColor red(190, 30, 36);
    const QColor white(250, 250, 250);
    const QColor green(0, 130, 70);
    const QColor blue(30, 70, 160);
    const QColor black(16, 16, 16);
    const QString& n = look.nation;
    switch (look.kind) {
    case CounterKind::Fort:
        return {{QColor(90, 90, 90)}};
    case CounterKind::Port:
        return {{QColor(240, 240, 240), QColor(45, 91, 140), QColor(240, 240, 240)}};
    case CounterKind::Marker:
        return {{QColor(126, 59, 150)}};
    case CounterKind::SecondSide:
        if (n == QLatin1String("Rep"))
            return {{green, white, red}, true};
        if (n == QLatin1String("SS"))
            return {{black, black, QColor(190, 190, 190)}};
        if (n == QLatin1String("Volunteer"))
            return {{QColor(122, 74, 32)}};
        return {{black}};
    case CounterKind::FirstSide:
        break;
    }
    if (n == QLatin1String("UK"))
        return {{red}};
    if (n == QLatin1String("NZ"))
        return {{black}};
    if (n == QLatin1String("US"))
        return {{blue}};
    if (n == QLatin1String("US-Cdn"))
        return {{blue, red}, true};
    if (n == QLatin1String("SA"))
        return {{QColor(230, 120, 0)}};
    if (n == QLatin1String("Fr"))
        return {{blue, white, red}, true};
    if (n == QLatin1String("Pol"))
        return {{white, white, red}};
    if (n == QLatin1String("Ind"))
        return {{QColor(250, 150, 30), white, green}};
    if (n == QLatin1String("Braz"))
        return {{green, QColor(250, 210, 0), green}};
    if (n == QLatin1String("Greek"))
        return {{QColor(40, 110, 200), white, QColor(40, 110, 200)}};
    if (n == QLatin1String("Cdn"))
        return {{red, white, red}, true};
    if (n == QLatin1String("Jew"))
        return {{white, blue, white}};
    if (n == QLatin1String("P"))
        return {{red, black}, true};
    if (n == QLatin1String("Rome") || n == QLatin1String("FA") || n == QLatin1String("Mon"))
        return {{green, white, red}, true};
    return {{QColor(120, 100, 60)}};
}

QColor mixed(const QColor& a, const QColor& b, double towardB) {
    const double t = std::clamp(towardB, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void paintBand(QPainter& painter, const Band& band) {
    const auto count = static_cast<int>(band.stripes.size());
    for (int i = 0; i < count; ++i) {
        const QColor& colour = band.stripes[static_cast<std::size_t>(i)];
        if (band.vertical) {
            const int left = kInnerLeft + kInnerWidth * i / count;
            const int right = kInnerLeft + kInnerWidth * (i + 1) / count;
            painter.fillRect(left, kBandTop, right - left, kBandHeight, colour);
        } else {
            const int top = kBandTop + kBandHeight * i / count;
            const int bottom = kBandTop + kBandHeight * (i + 1) / count;
            painter.fillRect(kInnerLeft, top, kInnerWidth, bottom - top, colour);
        }
    }
}

// The unit size as wargames mark it, in crisp pixels: XX and X as small crosses, III as
// bars; where the name gives no size, one dot per size value.
void paintSizeMark(QPainter& painter, const CounterLook& look, const QColor& ink, bool pixels) {
    struct Mark {
        int width;
        bool cross;
    };
    std::vector<Mark> marks;
    constexpr int kGap = 2;
    if (look.size == QLatin1String("XX"))
        marks = {{3, true}, {3, true}};
    else if (look.size == QLatin1String("X"))
        marks = {{3, true}};
    else if (look.size == QLatin1String("III"))
        marks = {{1, false}, {1, false}, {1, false}};
    int width = -kGap;
    for (const Mark& mark : marks)
        width += mark.width + kGap;
    if (!marks.empty()) {
        int x = (kCounterSize - width) / 2;
        for (const Mark& mark : marks) {
            if (mark.cross && pixels) {
                for (int i = 0; i < 3; ++i) {
                    painter.fillRect(x + i, kSizeMarkTop + i, 1, 1, ink);
                    painter.fillRect(x + 2 - i, kSizeMarkTop + i, 1, 1, ink);
                }
            } else if (mark.cross) {
                // The same cross as two strokes through the middles of its pixels.
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::SquareCap));
                painter.drawLine(QPointF(x + 0.5, kSizeMarkTop + 0.5),
                                 QPointF(x + 2.5, kSizeMarkTop + 2.5));
                painter.drawLine(QPointF(x + 2.5, kSizeMarkTop + 0.5),
                                 QPointF(x + 0.5, kSizeMarkTop + 2.5));
                painter.restore();
            } else {
                painter.fillRect(x, kSizeMarkTop, 1, 3, ink);
            }
            x += mark.width + kGap;
        }
        return;
    }
    const int dots = std::clamp(look.sizeValue, 0, 5);
    int x = (kCounterSize - (dots * 3 - 1)) / 2;
    for (int i = 0; i < dots; ++i, x += 3)
        painter.fillRect(x, kSizeMarkTop, 2, 2, ink);
}

// Writes the text centred on the counter with its baseline at `baseline`, in the largest
// of the sizes whose width fits, squeezing it sideways when even the smallest does not.
void paintLine(QPainter& painter, int baseline, const QString& text,
               std::initializer_list<int> sizes) {
    if (text.isEmpty())
        return;
    QFont font;
    double width = 0.0;
    for (int size : sizes) {
        font = artfonts::condensed(size, true);
        width = QFontMetricsF(font).horizontalAdvance(text);
        if (width <= kInnerWidth)
            break;
    }
    painter.save();
    painter.setFont(font);
    const double centre = kCounterSize / 2.0;
    painter.translate(centre, baseline);
    if (width > kInnerWidth)
        painter.scale(kInnerWidth / width, 1.0);
    painter.drawText(QPointF(-std::round(width) / 2.0, 0.0), text);
    painter.restore();
}

// One cell per loss step along the bottom: red for each loss taken.
void paintStepTrack(QPainter& painter, int steps, int losses, const Palette& palette) {
    if (steps <= 0)
        return;
    const int width = steps * 4 - 1;
    int x = (kCounterSize - width) / 2;
    const QColor standing = mixed(palette.ink, palette.ground, 0.35);
    const QColor lost(232, 28, 24);
    for (int step = 0; step < steps; ++step, x += 4)
        painter.fillRect(x, kTrackTop, 3, 2, step < losses ? lost : standing);
}

void paintFortSign(QPainter& painter, const QColor& ink) {
    // A star fort seen from above: a square with a bastion at each corner.
    painter.fillRect(8, 7, 8, 8, ink);
    painter.fillRect(10, 9, 4, 4, painter.background().color());
    for (const QPoint corner : {QPoint(6, 5), QPoint(15, 5), QPoint(6, 14), QPoint(15, 14)})
        painter.fillRect(QRect(corner, QSize(3, 3)), ink);
}

void paintAnchor(QPainter& painter, const QColor& ink, bool pixels) {
    if (!pixels) {
        // The anchor of the pixel pattern below as strokes: ring, stock, shank, arms.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(12.5, 6.0), 1.0, 1.0);
        painter.drawLine(QPointF(10.5, 8.5), QPointF(14.5, 8.5));
        painter.drawLine(QPointF(12.5, 7.0), QPointF(12.5, 14.5));
        QPainterPath arms(QPointF(8.5, 11.0));
        arms.quadTo(QPointF(9.5, 14.5), QPointF(12.5, 14.5));
        arms.quadTo(QPointF(15.5, 14.5), QPointF(16.5, 11.0));
        painter.drawPath(arms);
        painter.restore();
        return;
    }
    constexpr const char* kAnchor[] = {
        "....#....", "...#.#...", "....#....", "..#####..", "....#....",
        "....#....", "#...#...#", "##..#..##", ".##.#.##.", "..#####..",
    };
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 9; ++column)
            if (kAnchor[row][column] == '#')
                painter.fillRect(8 + column, 5 + row, 1, 1, ink);
}

} // namespace

QImage counterPicture(const CounterLook& look, int losses, qreal scale) {
    const Palette palette = paletteOf(look.kind);
    const int shownLosses = std::clamp(losses, 0, std::max(look.steps, 0));
    const double shade = look.steps > 0 ? 0.55 * shownLosses / look.steps : 0.0;
    const QColor ground = mixed(palette.ground, palette.reduced, shade);

    const bool pixels = scale == 1.0;
    const auto side = static_cast<int>(std::ceil(kCounterSize * scale));
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(palette.outline);
    QPainter painter(&image);
    if (!pixels)
        painter.scale(scale, scale);
    painter.setBackground(ground);
    painter.fillRect(1, 1, kInnerWidth, kInnerWidth, ground);
    paintBand(painter, bandOf(look));
    painter.setPen(palette.ink);
    painter.setRenderHint(QPainter::TextAntialiasing);

    switch (look.kind) {
    case CounterKind::Fort:
        paintFortSign(painter, palette.ink);
        paintLine(painter, 21, look.designation, {7, 6});
        break;
    case CounterKind::Port:
        paintAnchor(painter, palette.ink, pixels);
        paintLine(painter, 21, look.designation, {7, 6});
        break;
    case CounterKind::Marker:
        paintLine(painter, 14, look.designation, {12, 10});
        paintLine(painter, 21, look.service, {7, 6});
        break;
    case CounterKind::FirstSide:
    case CounterKind::SecondSide: {
        paintSizeMark(painter, look, palette.ink, pixels);
        // Designation, then arm of service, then the step track; both lines drop by one
        // pixel where there is no track.
        const int drop = look.steps > 0 ? 0 : 1;
        if (look.service.isEmpty()) {
            paintLine(painter, 16 + drop, look.designation, {9, 8, 7, 6});
        } else {
            paintLine(painter, 14 + drop, look.designation, {8, 7, 6});
            paintLine(painter, 20 + drop, look.service, {7, 6});
        }
        paintStepTrack(painter, look.steps, shownLosses, palette);
        break;
    }
    }
    painter.end();
    return image;
}

} // namespace counterart
