#include "app/pictures/gamesglyph.h"

#include "app/pictures/programart.h"

#include <QPainter>

namespace programart {

QImage gamesGlyph() {
    return glyphCanvas(kGlyphSize, [](QPainter& painter) {
        // A sheet with three rows, each a counter and a line of text.
        painter.setPen(QPen(QColor(90, 96, 104), 1.0));
        painter.setBrush(QColor(246, 244, 236));
        painter.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 1.5, 1.5);
        const QColor counters[] = {QColor(207, 190, 130), QColor(150, 156, 150),
                                   QColor(207, 190, 130)};
        for (int row = 0; row < 3; ++row) {
            const qreal top = 4.0 + row * 5.0;
            painter.setPen(QPen(QColor(30, 30, 30), 0.8));
            painter.setBrush(counters[row]);
            painter.drawRect(QRectF(4.0, top, 3.5, 3.5));
            painter.setPen(QPen(QColor(70, 74, 80), 1.4, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(9.5, top + 1.75), QPointF(row == 0 ? 13.0 : 16.0, top + 1.75));
        }
        // The game waiting on the player.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 40, 40));
        painter.drawEllipse(QPointF(15.5, 5.75), 2.2, 2.2);
    });
}

} // namespace programart
