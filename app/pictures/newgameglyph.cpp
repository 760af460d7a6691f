#include "app/pictures/newgameglyph.h"

#include "app/pictures/programart.h"

#include <QPainter>
#include <QPolygonF>

namespace programart {

namespace {

const QColor kOutline(30, 30, 30);

void paintCounter(QPainter& painter, const QRectF& box, const QColor& face, const QColor& band) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(face);
    painter.drawRect(box);
    painter.fillRect(QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 0.5, 2.0), band);
}

} // namespace

QImage newGameGlyph() {
    return glyphCanvas(kGlyphSize, [](QPainter& painter) {
        // A pale hex of the holding area under the two counters.
        painter.setPen(QPen(QColor(112, 118, 126), 1.0));
        painter.setBrush(QColor(218, 222, 226));
        painter.drawPolygon(QPolygonF({QPointF(5, 5.5), QPointF(15, 5.5), QPointF(19.5, 12.5),
                                       QPointF(15, 19.5), QPointF(5, 19.5), QPointF(0.5, 12.5)}));
        paintCounter(painter, QRectF(2.5, 9.5, 7, 7), QColor(207, 190, 130), QColor(190, 30, 36));
        paintCounter(painter, QRectF(10.5, 9.5, 7, 7), QColor(150, 156, 150), QColor(20, 20, 20));
        // The plus of something new, at the top right.
        painter.setPen(QPen(QColor(20, 110, 30), 2.4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(15.5, 0.5), QPointF(15.5, 8.5));
        painter.drawLine(QPointF(11.5, 4.5), QPointF(19.5, 4.5));
    });
}

} // namespace programart
