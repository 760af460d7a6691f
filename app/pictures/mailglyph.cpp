#include "app/pictures/mailglyph.h"

#include "app/pictures/programart.h"

#include <QPainter>
#include <QPolygonF>

namespace programart {

QImage mailGlyph() {
    return glyphCanvas(kGlyphSize, [](QPainter& painter) {
        const QColor outline(30, 30, 30);

        // The envelope: a pale body, its flap folded down to the middle.
        const QRectF body(1.5, 4.5, 17, 12);
        painter.setPen(QPen(outline, 1.0));
        painter.setBrush(QColor(246, 240, 218));
        painter.drawRect(body);
        painter.setBrush(QColor(226, 214, 176));
        painter.drawPolygon(QPolygonF({body.topLeft(), body.topRight(), QPointF(10, 11.5)}));
        painter.drawLine(body.bottomLeft(), QPointF(8, 10.5));
        painter.drawLine(body.bottomRight(), QPointF(12, 10.5));

        // The seal: a khaki counter with the red band, like the Open and Save glyphs.
        const QRectF seal(7, 8, 6, 6);
        painter.setBrush(QColor(207, 190, 130));
        painter.drawRect(seal);
        painter.fillRect(QRectF(seal.left() + 0.5, seal.top() + 0.5, seal.width() - 0.5, 1.5),
                         QColor(190, 30, 36));
    });
}

} // namespace programart
