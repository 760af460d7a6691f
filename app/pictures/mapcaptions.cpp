#include "app/pictures/mapcaptions.h"

#include "geometry/hexgrid.h"

#include <algorithm>
#include <cmath>

namespace mapcaptions {

using namespace hexgrid;

namespace {
constexpr int kCaptionTop = 28;
constexpr int kCaptionHeight = 10;
constexpr int kCaptionOverhang = 2; // a little wider than the top edge, for "Y10"
} // namespace

QString caption(int hexIndex) {
    if (!isValidHex(hexIndex) || !isOnBoard(hexIndex))
        return {};
    return QString::fromStdString(hexLabel(hexIndex)).mid(6);
}

QRect captionBox(int hexIndex) {
    const AFPoint p = hexPosition(hexIndex);
    return {p.x - kCaptionOverhang, p.y + kCaptionTop, kTopEdgeWidth + 2 * kCaptionOverhang,
            kCaptionHeight};
}

double captionOverlap(const QRectF& area) {
    const int firstColumn = std::max(0, static_cast<int>(std::floor(area.left() / kColumnPitch)));
    const int lastColumn =
        std::min(kBoardColumns - 1, static_cast<int>(std::floor(area.right() / kColumnPitch)) + 1);
    double overlap = 0.0;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int shift = column % 2 != 0 ? kHalfHeight : 0;
        const int firstRow =
            std::max(0, static_cast<int>(std::floor((area.top() - shift) / kHexHeight)) - 1);
        const int lastRow = std::min(
            kRowsPerColumn - 1, static_cast<int>(std::floor((area.bottom() - shift) / kHexHeight)));
        for (int row = firstRow; row <= lastRow; ++row) {
            const QRectF common = area.intersected(QRectF(captionBox(hexIndexOf(column, row))));
            if (!common.isEmpty())
                overlap += common.width() * common.height();
        }
    }
    return overlap;
}

} // namespace mapcaptions
