#include "app/pictures/programart.h"

#include "app/pictures/artfonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace programart {
namespace {

constexpr int kCursorSize = 32;

// The flat-topped hexagon of the map, filling a square of `size` across.
QPolygonF hexagon(double size, double inset) {
    const double w = size - 2 * inset;
    const double h = w * 0.8660254;
    const double top = (size - h) / 2.0;
    const double left = inset;
    return QPolygonF({QPointF(left + w * 0.25, top), QPointF(left + w * 0.75, top),
                      QPointF(left + w, top + h / 2), QPointF(left + w * 0.75, top + h),
                      QPointF(left + w * 0.25, top + h), QPointF(left, top + h / 2)});
}

} // namespace

CursorPicture zekCursor() {
    // The sword is painted white along the diagonal, then every clear pixel touching it
    // turns black, which gives the outline a cursor needs over light and dark ground.
    QImage shape(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        // Blade: from the tip at (0, 0), widening to the guard at about (19, 19).
        painter.drawPolygon(
            QPolygon({QPoint(1, 1), QPoint(4, 2), QPoint(20, 18), QPoint(18, 20), QPoint(2, 4)}));
        // Cross-guard, across the blade.
        painter.drawPolygon(
            QPolygon({QPoint(14, 23), QPoint(23, 14), QPoint(25, 16), QPoint(16, 25)}));
        // Grip and pommel.
        painter.drawPolygon(
            QPolygon({QPoint(20, 22), QPoint(22, 20), QPoint(27, 25), QPoint(25, 27)}));
        painter.drawEllipse(QPoint(27, 27), 2, 2);
    }
    QImage cursor(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    const auto isWhite = [&shape](int x, int y) {
        return x >= 0 && y >= 0 && x < kCursorSize && y < kCursorSize &&
               qAlpha(shape.pixel(x, y)) > 0;
    };
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            if (isWhite(x, y)) {
                cursor.setPixel(x, y, qRgba(255, 255, 255, 255));
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = isWhite(x + dx, y + dy);
            if (touches)
                cursor.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    // The fuller down the blade's middle and the grip's binding, in black.
    for (int i = 3; i <= 16; ++i)
        cursor.setPixel(i, i, qRgba(0, 0, 0, 255));
    for (int i = 21; i <= 25; i += 2)
        cursor.setPixel(i, i, qRgba(0, 0, 0, 255));
    // The tip itself is the hot spot: make sure it shows.
    cursor.setPixel(0, 0, qRgba(0, 0, 0, 255));
    return {cursor, QPoint(0, 0)};
}

QImage glyphCanvas(int size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage emblem(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintEmblem(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void paintEmblem(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double rim = std::max(1.0, size / 14.0);
    const QPolygonF outer = hexagon(size, rim / 2.0);

    QLinearGradient field(0, 0, 0, size);
    field.setColorAt(0.0, QColor(104, 116, 52));
    field.setColorAt(1.0, QColor(58, 66, 26));
    painter.setBrush(field);
    painter.setPen(QPen(QColor(212, 175, 55), rim, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(outer);
    if (size >= 48) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(212, 175, 55, 150), std::max(1.0, size / 64.0)));
        painter.drawPolygon(hexagon(size, rim * 2.2));
    }

    // The initial of the program's name, as an outline so that a vector copy of the
    // emblem needs no font; at larger sizes a die in the lower right says what the
    // program is for.
    const QFont font = artfonts::serif(static_cast<int>(std::lround(size * 0.62)), true);
    QRectF letterBox(0, 0, size, size);
    if (size >= 32)
        letterBox.translate(-size * 0.06, 0);
    const QFontMetricsF metrics(font);
    const QString letter = QStringLiteral("K");
    const QPointF baseline(
        letterBox.left() + (letterBox.width() - metrics.horizontalAdvance(letter)) / 2.0,
        letterBox.top() + (letterBox.height() - metrics.height()) / 2.0 + metrics.ascent());
    QPainterPath letterPath;
    letterPath.addText(baseline, font, letter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 244, 220));
    painter.drawPath(letterPath);
    if (size >= 32) {
        const double die = size * 0.22;
        const QRectF box(size * 0.62, size * 0.56, die, die);
        painter.setPen(QPen(QColor(60, 10, 8), std::max(1.0, size / 64.0)));
        painter.setBrush(QColor(200, 34, 28));
        painter.drawRoundedRect(box, die * 0.18, die * 0.18);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        const double pip = die * 0.11;
        for (const QPointF at : {box.topLeft() + QPointF(die * 0.28, die * 0.28), box.center(),
                                 box.topLeft() + QPointF(die * 0.72, die * 0.72)})
            painter.drawEllipse(at, pip, pip);
    }
    painter.restore();
}

QImage programIcon(int size) {
    return emblem(size);
}

QList<int> iconSizes() {
    return {16, 24, 32, 48, 64, 128, 256};
}

} // namespace programart
