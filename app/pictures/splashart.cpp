#include "app/pictures/programart.h"

#include "app/pictures/artfonts.h"
#include "app/pictures/mapart.h"

#include <QPainter>

namespace programart {

QImage splashPicture() {
    // The coast from the Garigliano to Salerno, at the map's own scale.
    QImage picture = mapart::drawMapArea(QRect(300, 1370, kSplashSize, kSplashSize));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A parchment title plate with the emblem and the name.
    const QRectF plate(14, 18, kSplashSize - 28, 92);
    painter.setPen(QPen(QColor(70, 56, 30), 2.0));
    painter.setBrush(QColor(240, 232, 204, 236));
    painter.drawRoundedRect(plate, 6, 6);
    painter.setPen(QPen(QColor(150, 120, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(4, 4, -4, -4), 4, 4);
    painter.drawImage(QPointF(plate.left() + 12, plate.top() + 14), emblem(64));
    painter.setPen(QColor(52, 40, 22));
    painter.setFont(artfonts::serif(44, true));
    painter.drawText(QRectF(plate.left() + 80, plate.top() + 8, plate.width() - 88, 56),
                     Qt::AlignCenter, QStringLiteral("Korva"));
    painter.setFont(artfonts::serif(12, false, true));
    painter.drawText(QRectF(plate.left() + 80, plate.top() + 60, plate.width() - 88, 20),
                     Qt::AlignCenter, QStringLiteral("Italy 1943 \u2013 1945"));

    // A strip along the bottom says what the program is.
    const QRectF strip(0, kSplashSize - 30, kSplashSize, 30);
    painter.fillRect(strip, QColor(40, 36, 24, 200));
    painter.setPen(QColor(240, 232, 204));
    painter.setFont(artfonts::sans(11, true));
    painter.drawText(strip, Qt::AlignCenter, QStringLiteral("Play-by-e-mail turns on the map"));

    painter.setPen(QPen(QColor(40, 36, 24), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, kSplashSize - 2, kSplashSize - 2));
    painter.end();
    return picture;
}

} // namespace programart
