#include "app/pictures/programart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace programart {
namespace {

const QColor kOutline(30, 30, 30);

// A little counter as the map shows them: khaki with a red band along the top.
void paintCounter(QPainter& painter, const QRectF& box) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(QColor(207, 190, 130));
    painter.drawRect(box);
    painter.fillRect(QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 0.5, 2.0),
                     QColor(190, 30, 36));
    painter.setPen(QPen(kOutline, 1.0));
    const QPointF c = box.center() + QPointF(0.0, 1.0);
    painter.drawLine(c + QPointF(-2, -1.5), c + QPointF(2, 1.5));
    painter.drawLine(c + QPointF(-2, 1.5), c + QPointF(2, -1.5));
}

// A disk drive seen from the front: a grey case with its slot and a green light.
void paintDrive(QPainter& painter) {
    painter.setPen(QPen(kOutline, 1.0));
    QLinearGradient face(0, 12, 0, 19);
    face.setColorAt(0, QColor(214, 214, 210));
    face.setColorAt(1, QColor(150, 150, 146));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(0.5, 12.5, 19, 6.5), 1.2, 1.2);
    painter.fillRect(QRectF(3, 14.5, 11, 1.5), QColor(40, 40, 40));
    painter.fillRect(QRectF(16, 15, 2, 2), QColor(40, 200, 60));
}

// A vertical arrow between the drive and the counter, its head up or down.
void paintArrow(QPainter& painter, double x, double from, double to) {
    const QColor blue(30, 90, 200);
    painter.setPen(QPen(blue, 2.0, Qt::SolidLine, Qt::FlatCap));
    const double head = to < from ? 3.5 : -3.5;
    painter.drawLine(QPointF(x, from), QPointF(x, to + head));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawPolygon(
        QPolygonF({QPointF(x - 3.5, to + head), QPointF(x + 3.5, to + head), QPointF(x, to)}));
}

void paintOpenOrSave(QPainter& painter, bool save) {
    paintDrive(painter);
    paintCounter(painter, QRectF(1.5, 1.5, 9, 9));
    if (save)
        paintArrow(painter, 14.5, 1.0, 13.5);
    else
        paintArrow(painter, 14.5, 14.0, 0.5);
}

void paintUndo(QPainter& painter) {
    QPainterPath path;
    path.moveTo(14.0, 17.0);
    path.cubicTo(19.5, 15.0, 19.5, 5.0, 12.0, 5.5);
    path.lineTo(7.0, 5.5);
    const QColor green(40, 150, 50);
    painter.strokePath(path, QPen(QColor(20, 70, 24), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(path, QPen(green, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.setPen(QPen(QColor(20, 70, 24), 1.0));
    painter.setBrush(green);
    painter.drawPolygon(QPolygonF({QPointF(1.0, 5.5), QPointF(8.0, 0.5), QPointF(8.0, 10.5)}));
}

void paintMoveAll(QPainter& painter) {
    // A stack of three counters stepping down and right, olive with yellow edges.
    const QColor olive(96, 110, 40);
    const QColor yellow(236, 210, 60);
    for (int i = 0; i < 3; ++i) {
        const QRectF box(1.5 + i * 4.0, 1.5 + i * 4.0, 10.0, 10.0);
        painter.setPen(QPen(kOutline, 1.0));
        painter.setBrush(olive);
        painter.drawRect(box);
        painter.setPen(QPen(yellow, 1.5));
        painter.drawLine(box.topLeft() + QPointF(2, 2.5), box.topRight() + QPointF(-2, 2.5));
        painter.drawLine(box.bottomLeft() + QPointF(2.5, -2), box.topLeft() + QPointF(2.5, 4.5));
    }
}

QPolygonF smallHex(const QPointF& centre, double radius) {
    const double h = radius * 0.8660254;
    return QPolygonF({centre + QPointF(-radius / 2, -h), centre + QPointF(radius / 2, -h),
                      centre + QPointF(radius, 0), centre + QPointF(radius / 2, h),
                      centre + QPointF(-radius / 2, h), centre + QPointF(-radius, 0)});
}

void paintHideTags(QPainter& painter) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(QColor(250, 220, 40));
    const double r = 5.0;
    for (const QPointF centre : {QPointF(6.5, 5.5), QPointF(14.0, 9.8), QPointF(6.5, 14.1),
                                 QPointF(14.0, 1.2), QPointF(14.0, 18.4)})
        painter.drawPolygon(smallHex(centre, r));
    painter.setPen(QPen(QColor(30, 90, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.5, 17.5), QPointF(18.5, 1.5));
}

} // namespace

QImage buttonGlyph(Glyph glyph) {
    if (glyph == Glyph::About)
        return emblem(kGlyphSize);
    return glyphCanvas(kGlyphSize, [&](QPainter& painter) {
        switch (glyph) {
        case Glyph::Open:
            paintOpenOrSave(painter, false);
            break;
        case Glyph::Save:
            paintOpenOrSave(painter, true);
            break;
        case Glyph::Undo:
            paintUndo(painter);
            break;
        case Glyph::Redo:
            // The same arrow, mirrored: forward where Undo goes back.
            painter.translate(kGlyphSize, 0);
            painter.scale(-1, 1);
            paintUndo(painter);
            break;
        case Glyph::MoveAll:
            paintMoveAll(painter);
            break;
        case Glyph::HideCombatTags:
            paintHideTags(painter);
            break;
        case Glyph::About:
            break;
        }
    });
}

} // namespace programart
