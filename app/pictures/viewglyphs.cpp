#include "app/pictures/viewglyphs.h"

#include "app/pictures/programart.h"

#include <QPainter>
#include <QPolygonF>

namespace programart {
namespace {

const QColor kInk(30, 30, 30);
const QColor kPaper(246, 240, 218);
const QColor kSea(139, 178, 207);
const QColor kLand(196, 205, 152);
const QColor kFrame(190, 30, 36);

void paintMagnifier(QPainter& painter, bool plus) {
    painter.setPen(QPen(kInk, 1.6));
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(8, 8), 6, 6);
    painter.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12.5, 12.5), QPointF(18, 18));
    painter.setPen(QPen(kInk, 1.8));
    painter.drawLine(QPointF(5, 8), QPointF(11, 8));
    if (plus)
        painter.drawLine(QPointF(8, 5), QPointF(8, 11));
}

void paintPage(QPainter& painter, const QRectF& page) {
    painter.setPen(QPen(kInk, 1.0));
    painter.setBrush(kLand);
    painter.drawRect(page);
}

void paintFitWidth(QPainter& painter) {
    paintPage(painter, QRectF(5.5, 3.5, 9, 13));
    painter.setPen(QPen(kInk, 1.4));
    painter.setBrush(kInk);
    for (const qreal side : {-1.0, 1.0}) {
        const qreal tip = 10 + side * 9;
        painter.drawLine(QPointF(10, 10), QPointF(tip - side * 2, 10));
        painter.drawPolygon(QPolygonF(
            {QPointF(tip, 10), QPointF(tip - side * 3, 7.5), QPointF(tip - side * 3, 12.5)}));
    }
}

void paintFitWindow(QPainter& painter) {
    paintPage(painter, QRectF(5.5, 4.5, 9, 11));
    painter.setPen(QPen(kInk, 1.6));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF corner :
         {QPointF(1.5, 1.5), QPointF(18.5, 1.5), QPointF(1.5, 18.5), QPointF(18.5, 18.5)}) {
        const qreal dx = corner.x() < 10 ? 4 : -4;
        const qreal dy = corner.y() < 10 ? 4 : -4;
        painter.drawPolyline(QPolygonF({corner + QPointF(dx, 0), corner, corner + QPointF(0, dy)}));
    }
}

void paintOverview(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.0));
    painter.setBrush(kSea);
    painter.drawRect(QRectF(3.5, 1.5, 13, 17));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLand);
    painter.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(11, 2), QPointF(13, 9), QPointF(12, 18),
                                   QPointF(9, 18), QPointF(7, 9), QPointF(4, 6)}));
    painter.setPen(QPen(kFrame, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6.5, 6.5, 7, 5));
}

} // namespace

QImage viewGlyph(ViewGlyph glyph, int size) {
    return glyphCanvas(size, [&](QPainter& painter) {
        painter.scale(size / 20.0, size / 20.0);
        switch (glyph) {
        case ViewGlyph::ZoomIn:
            paintMagnifier(painter, true);
            break;
        case ViewGlyph::ZoomOut:
            paintMagnifier(painter, false);
            break;
        case ViewGlyph::FitWidth:
            paintFitWidth(painter);
            break;
        case ViewGlyph::FitWindow:
            paintFitWindow(painter);
            break;
        case ViewGlyph::Overview:
            paintOverview(painter);
            break;
        }
    });
}

} // namespace programart
