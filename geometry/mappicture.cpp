#include "mappicture.h"

#include "afpoint.h"

#include <QPainter>
#include <QPolygon>

#include <cstring>

MapPicture::MapPicture(QImage image) : image_(std::move(image)) {
    if (image_.format() != QImage::Format_RGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
}

void MapPicture::drawImage(int x, int y, const QImage& source) {
    copyRect(x, y, source, source.rect());
}

void MapPicture::copyRect(int x, int y, const QImage& source, const QRect& sourceRect) {
    const QImage& src = source.format() == QImage::Format_RGB32
                            ? source
                            : source.convertToFormat(QImage::Format_RGB32);
    QRect from = sourceRect.intersected(src.rect());
    // Shift the destination with the part of the source rectangle that was clipped away.
    QRect to(x + (from.x() - sourceRect.x()), y + (from.y() - sourceRect.y()), from.width(),
             from.height());
    const QRect clipped = to.intersected(image_.rect());
    if (clipped.isEmpty())
        return;
    from.translate(clipped.x() - to.x(), clipped.y() - to.y());
    const auto rowBytes = static_cast<std::size_t>(clipped.width()) * 4;
    for (int row = 0; row < clipped.height(); ++row) {
        const auto* in =
            reinterpret_cast<const QRgb*>(src.constScanLine(from.y() + row)) + from.x();
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(clipped.y() + row)) + clipped.x();
        std::memcpy(out, in, rowBytes);
    }
    changed(clipped);
}

QImage MapPicture::copy(const QRect& rect) const {
    return image_.copy(rect);
}

void MapPicture::drawPolyline(const std::vector<AFPoint>& points, QRgb colour) {
    if (points.empty())
        return;
    QPolygon polygon;
    for (const AFPoint& p : points)
        polygon << p.toQPoint();
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor::fromRgb(colour), 1));
        painter.drawPolyline(polygon);
    }
    changed(polygon.boundingRect().adjusted(-1, -1, 1, 1).intersected(image_.rect()));
}

void MapPicture::restore(const QImage& earlier) {
    if (earlier.size() != image_.size() || earlier.format() != image_.format())
        return;
    image_ = earlier;
    changed(image_.rect());
}

void MapPicture::changed(const QRect& rect) {
    if (listener_ && !rect.isEmpty())
        listener_(rect);
}
