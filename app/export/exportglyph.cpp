#include "app/export/exportglyph.h"

#include "app/pictures/programart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

QImage exportGlyph() {
    constexpr int kSize = 20;
    return programart::glyphCanvas(kSize, [](QPainter& painter) {
        const QColor outline(30, 30, 30);

        // A picture of the map: green land, blue sea, a khaki counter on it.
        const QRectF frame(1.5, 4.5, 13, 12);
        painter.setPen(QPen(outline, 1.0));
        painter.setBrush(QColor(150, 180, 120));
        painter.drawRect(frame);
        QPainterPath sea;
        sea.moveTo(frame.left(), frame.bottom() - 4);
        sea.quadTo(frame.center().x(), frame.bottom() - 7, frame.right(), frame.bottom() - 3);
        sea.lineTo(frame.bottomRight());
        sea.lineTo(frame.bottomLeft());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(110, 150, 200));
        painter.drawPath(sea);
        painter.setPen(QPen(outline, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
        painter.setBrush(QColor(207, 190, 130));
        painter.drawRect(QRectF(4.5, 7.5, 4, 4));

        // The arrow out of its top-right corner.
        painter.setPen(QPen(QColor(20, 90, 200), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10, 10), QPointF(17, 3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 90, 200));
        painter.drawPolygon(QPolygonF({QPointF(19, 1), QPointF(18.5, 7.5), QPointF(12.5, 1.5)}));
    });
}
