#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>

// Making a picture smaller by averaging: each pixel of the smaller picture is the mean of
// the source pixels its area covers, weighted by how much of each it covers (a box
// filter). For the zoomed-out map: fast, and free of the shimmer of picking pixels.
namespace areaaverage {

// The size of a picture of `size` made smaller by `scale` (0 < scale < 1): each side
// rounded up, so that the last pixels still show.
QSize scaledSize(const QSize& size, qreal scale);

// Fills `rect` of `target`, the whole of `source` made smaller by `scale`, from the source
// pixels under it. Both pictures are 32 bits a pixel (RGB32 or ARGB32, each channel
// averaged alone); `target` has scaledSize(source.size(), scale) and `rect` lies inside it.
void shrinkInto(QImage& target, const QImage& source, qreal scale, const QRect& rect);

// The whole source made smaller by `scale`.
QImage shrink(const QImage& source, qreal scale);
// The same for a source of `size` that hands out its parts (`sourcePart` answers the pixels
// of a rectangle of the source): a band at a time, never the whole source at once. The
// pixels are those of shrink().
QImage shrinkByBands(const QSize& size, qreal scale,
                     const std::function<QImage(const QRect&)>& sourcePart);

// The part of the smaller picture that a changed rectangle of the source reaches.
QRect affectedRect(const QRect& sourceRect, qreal scale, const QSize& targetSize);

} // namespace areaaverage
