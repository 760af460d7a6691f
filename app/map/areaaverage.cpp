#include "app/map/areaaverage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace areaaverage {
namespace {

// One target pixel's share of the source along one axis: source pixels first..first+n-1,
// with weights that add up to 256.
struct Taps {
    int first = 0;
    int count = 0;
    std::array<std::uint32_t, 8> weights{};
};

// The taps of target pixels from..to-1 along an axis of `length` source pixels.
std::vector<Taps> tapsFor(int from, int to, int length, qreal scale) {
    std::vector<Taps> all;
    all.reserve(static_cast<std::size_t>(std::max(0, to - from)));
    const double footprint = 1.0 / scale;
    for (int i = from; i < to; ++i) {
        const double begin = i * footprint;
        const double end = std::min((i + 1) * footprint, static_cast<double>(length));
        Taps taps;
        taps.first = std::clamp(static_cast<int>(std::floor(begin)), 0, length - 1);
        const int last = std::clamp(static_cast<int>(std::ceil(end)) - 1, taps.first, length - 1);
        taps.count = std::min(last - taps.first + 1, static_cast<int>(taps.weights.size()));
        const double covered = std::max(end - begin, 1e-9);
        std::uint32_t total = 0;
        std::size_t largest = 0;
        for (int k = 0; k < taps.count; ++k) {
            const double overlap =
                std::min(end, taps.first + k + 1.0) - std::max(begin, double(taps.first + k));
            const auto w =
                static_cast<std::uint32_t>(std::lround(std::max(overlap, 0.0) / covered * 256.0));
            taps.weights[std::size_t(k)] = w;
            total += w;
            if (w > taps.weights[largest])
                largest = std::size_t(k);
        }
        // Rounding may leave the sum off by a little; the largest share takes it up.
        taps.weights[largest] = taps.weights[largest] + 256u - total;
        all.push_back(taps);
    }
    return all;
}

// The weighted sum of pixels, two channels at a time in 16-bit lanes: with weights adding
// up to 256 no lane overflows.
inline std::uint32_t blend(const std::uint32_t* pixels, std::ptrdiff_t stride, const Taps& taps) {
    std::uint32_t redBlue = 0x00800080u;
    std::uint32_t alphaGreen = 0x00800080u;
    for (int k = 0; k < taps.count; ++k) {
        const std::uint32_t p = pixels[k * stride];
        const std::uint32_t w = taps.weights[std::size_t(k)];
        redBlue += (p & 0x00FF00FFu) * w;
        alphaGreen += ((p >> 8) & 0x00FF00FFu) * w;
    }
    return ((redBlue >> 8) & 0x00FF00FFu) | (alphaGreen & 0xFF00FF00u);
}

// Fills `part` of the target from `band`, which holds the rows of a source `sourceHeight`
// rows tall from `bandTop` on, all those the part reads.
void shrinkFromBand(QImage& target, const QImage& band, int bandTop, int sourceHeight, qreal scale,
                    const QRect& part) {
    const std::vector<Taps> columns = tapsFor(part.left(), part.right() + 1, band.width(), scale);
    const std::vector<Taps> rows = tapsFor(part.top(), part.bottom() + 1, sourceHeight, scale);

    // Each source row the part needs, narrowed to the part's columns.
    const int firstRow = rows.front().first;
    const int lastRow = rows.back().first + rows.back().count - 1;
    const int width = part.width();
    std::vector<std::uint32_t> narrowed(std::size_t(lastRow - firstRow + 1) * std::size_t(width));
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(band.constScanLine(y - bandTop));
        std::uint32_t* out = narrowed.data() + std::size_t(y - firstRow) * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            const Taps& taps = columns[std::size_t(x)];
            out[x] = blend(line + taps.first, 1, taps);
        }
    }
    for (int y = 0; y < part.height(); ++y) {
        const Taps& taps = rows[std::size_t(y)];
        auto* line =
            reinterpret_cast<std::uint32_t*>(target.scanLine(part.top() + y)) + part.left();
        const std::uint32_t* in =
            narrowed.data() + std::size_t(taps.first - firstRow) * std::size_t(width);
        for (int x = 0; x < width; ++x)
            line[x] = blend(in + x, width, taps);
    }
}

} // namespace

QSize scaledSize(const QSize& size, qreal scale) {
    return {static_cast<int>(std::ceil(size.width() * scale - 1e-9)),
            static_cast<int>(std::ceil(size.height() * scale - 1e-9))};
}

void shrinkInto(QImage& target, const QImage& source, qreal scale, const QRect& rect) {
    const QRect part = rect.intersected(target.rect());
    if (!part.isEmpty() && !source.isNull())
        shrinkFromBand(target, source, 0, source.height(), scale, part);
}

QImage shrinkByBands(const QSize& size, qreal scale,
                     const std::function<QImage(const QRect&)>& sourcePart) {
    QImage target(scaledSize(size, scale), QImage::Format_RGB32);
    constexpr int kBandRows = 32;
    for (int top = 0; top < target.height(); top += kBandRows) {
        const QRect part = QRect(0, top, target.width(), kBandRows).intersected(target.rect());
        const std::vector<Taps> rows = tapsFor(part.top(), part.bottom() + 1, size.height(), scale);
        const int first = rows.front().first;
        const int last = rows.back().first + rows.back().count - 1;
        QImage band = sourcePart(QRect(0, first, size.width(), last - first + 1));
        if (band.format() != QImage::Format_RGB32)
            band = band.convertToFormat(QImage::Format_RGB32);
        shrinkFromBand(target, band, first, size.height(), scale, part);
    }
    return target;
}

QImage shrink(const QImage& source, qreal scale) {
    const QImage& from =
        source.depth() == 32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage target(scaledSize(from.size(), scale), from.format());
    shrinkInto(target, from, scale, target.rect());
    return target;
}

QRect affectedRect(const QRect& sourceRect, qreal scale, const QSize& targetSize) {
    const int left = static_cast<int>(std::floor(sourceRect.left() * scale));
    const int top = static_cast<int>(std::floor(sourceRect.top() * scale));
    const int right = static_cast<int>(std::floor((sourceRect.right() + 1) * scale));
    const int bottom = static_cast<int>(std::floor((sourceRect.bottom() + 1) * scale));
    return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(QRect(QPoint(), targetSize));
}

} // namespace areaaverage
