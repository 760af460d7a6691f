#include "board/mappicture.h"

#include "base/residentmemory.h"
#include "geometry/afpoint.h"

#include <QPainter>
#include <QPolygon>

#include <cstring>

namespace {

// Copies rect of one 32-bit picture to the same place of another with rows of any length.
void copyRows(const uchar* from, qsizetype fromRowBytes, uchar* to, qsizetype toRowBytes, int rows,
              std::size_t rowBytes) {
    for (int row = 0; row < rows; ++row)
        std::memcpy(to + row * toRowBytes, from + row * fromRowBytes, rowBytes);
}

} // namespace

MapPicture::MapPicture(QImage image) : image_(std::move(image)) {
    if (image_.format() != QImage::Format_RGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    tileColumns_ = (image_.width() + kTileWidth - 1) / kTileWidth;
    tileRows_ = (image_.height() + kTileHeight - 1) / kTileHeight;
    pristine_.resize(std::size_t(tileColumns_) * std::size_t(tileRows_));
}

MapPicture::~MapPicture() = default;

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
    preserve(clipped);
    from.translate(clipped.x() - to.x(), clipped.y() - to.y());
    copyRows(src.constScanLine(from.y()) + from.x() * 4, src.bytesPerLine(),
             image_.scanLine(clipped.y()) + clipped.x() * 4, image_.bytesPerLine(),
             clipped.height(), static_cast<std::size_t>(clipped.width()) * 4);
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
    // A one-pixel pen stays within a pixel of the points.
    const QRect covered = polygon.boundingRect().adjusted(-1, -1, 1, 1).intersected(image_.rect());
    preserve(covered);
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor::fromRgb(colour), 1));
        painter.drawPolyline(polygon);
    }
    changed(covered);
}

void MapPicture::restorePristine(const QRect& rect) {
    const QRect clipped = rect.intersected(image_.rect());
    if (clipped.isEmpty())
        return;
    QRect restored;
    for (int row = clipped.top() / kTileHeight; row <= clipped.bottom() / kTileHeight; ++row) {
        for (int column = clipped.left() / kTileWidth; column <= clipped.right() / kTileWidth;
             ++column) {
            const QRgb* saved = pristine_[std::size_t(row * tileColumns_ + column)].get();
            if (saved == nullptr)
                continue; // never drawn on: still pristine
            const QRect tile = tileRect(column, row);
            const QRect part = tile.intersected(clipped);
            if (restored.isNull())
                makeOwnPixels();
            const auto* from = reinterpret_cast<const uchar*>(
                saved + (part.y() - tile.y()) * tile.width() + (part.x() - tile.x()));
            copyRows(from, qsizetype{tile.width()} * 4, image_.scanLine(part.y()) + part.x() * 4,
                     image_.bytesPerLine(), part.height(),
                     static_cast<std::size_t>(part.width()) * 4);
            restored |= part;
        }
    }
    if (!restored.isNull())
        changed(restored);
}

QImage MapPicture::pristineCopy(const QRect& rect) const {
    QImage pixels = image_.copy(rect);
    const QRect clipped = rect.intersected(image_.rect());
    if (clipped.isEmpty())
        return pixels;
    for (int row = clipped.top() / kTileHeight; row <= clipped.bottom() / kTileHeight; ++row) {
        for (int column = clipped.left() / kTileWidth; column <= clipped.right() / kTileWidth;
             ++column) {
            const QRgb* saved = pristine_[std::size_t(row * tileColumns_ + column)].get();
            if (saved == nullptr)
                continue;
            const QRect tile = tileRect(column, row);
            const QRect part = tile.intersected(clipped);
            const auto* from = reinterpret_cast<const uchar*>(
                saved + (part.y() - tile.y()) * tile.width() + (part.x() - tile.x()));
            copyRows(from, qsizetype{tile.width()} * 4,
                     pixels.scanLine(part.y() - rect.y()) + (part.x() - rect.x()) * 4,
                     pixels.bytesPerLine(), part.height(),
                     static_cast<std::size_t>(part.width()) * 4);
        }
    }
    return pixels;
}

QRect MapPicture::tileRect(int column, int row) const {
    return QRect(column * kTileWidth, row * kTileHeight, kTileWidth, kTileHeight)
        .intersected(image_.rect());
}

void MapPicture::preserve(const QRect& rect) {
    for (int row = rect.top() / kTileHeight; row <= rect.bottom() / kTileHeight; ++row) {
        for (int column = rect.left() / kTileWidth; column <= rect.right() / kTileWidth; ++column) {
            std::unique_ptr<QRgb[]>& saved = pristine_[std::size_t(row * tileColumns_ + column)];
            if (saved)
                continue;
            const QRect tile = tileRect(column, row);
            saved = std::make_unique_for_overwrite<QRgb[]>(std::size_t(tile.width()) *
                                                           std::size_t(tile.height()));
            copyRows(image_.constScanLine(tile.y()) + tile.x() * 4, image_.bytesPerLine(),
                     reinterpret_cast<uchar*>(saved.get()), qsizetype{tile.width()} * 4,
                     tile.height(), static_cast<std::size_t>(tile.width()) * 4);
        }
    }
    makeOwnPixels();
}

void MapPicture::makeOwnPixels() {
    // Pixels shared with another QImage (a caller's copy) are copied once, into memory made
    // resident whole, rather than by Qt's detach page by page.
    if (image_.isDetached())
        return;
    QImage own = residentmemory::image(image_.width(), image_.height(), image_.format());
    if (own.isNull())
        return; // Qt's own detach will copy
    copyRows(image_.constBits(), image_.bytesPerLine(), own.bits(), own.bytesPerLine(),
             image_.height(), static_cast<std::size_t>(image_.width()) * 4);
    image_ = std::move(own);
}

void MapPicture::changed(const QRect& rect) {
    if (listener_ && !rect.isEmpty())
        listener_(rect);
}
