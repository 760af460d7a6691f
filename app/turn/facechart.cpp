#include "app/turn/facechart.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

FaceChart::FaceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(180, 110);
}

void FaceChart::setFaces(const FaceCounts& faces) {
    faces_ = faces;
    const QStringList counts = [&] {
        QStringList list;
        for (int face = 1; face <= 6; ++face)
            list << tr("%1: %2 times").arg(face).arg(faces.counts[std::size_t(face - 1)]);
        return list;
    }();
    setAccessibleDescription(counts.join(QStringLiteral(", ")));
    update();
}

QSize FaceChart::sizeHint() const {
    return {240, 130};
}

void FaceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int labelHeight = metrics.height() + 2;
    const QRect area = rect().adjusted(4, labelHeight, -4, -labelHeight);
    const int most = std::max(1, *std::max_element(faces_.counts.begin(), faces_.counts.end()));
    const double expected = faces_.total() / 6.0;
    const double top = std::max<double>(most, expected) * 1.1;
    const double slot = area.width() / 6.0;
    for (int i = 0; i < 6; ++i) {
        const int count = faces_.counts[std::size_t(i)];
        const double height = area.height() * count / top;
        const QRectF bar(area.left() + slot * i + slot * 0.15, area.bottom() - height, slot * 0.7,
                         height);
        painter.fillRect(bar, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            QRectF(bar.left() - slot * 0.15, bar.top() - labelHeight, slot, labelHeight),
            Qt::AlignCenter, QLocale().toString(count));
        painter.drawText(QRectF(area.left() + slot * i, area.bottom() + 2, slot, labelHeight),
                         Qt::AlignCenter, QString::number(i + 1));
    }
    if (faces_.total() > 0) {
        // Where each bar of a fair die would end.
        const double y = area.bottom() - area.height() * expected / top;
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}
