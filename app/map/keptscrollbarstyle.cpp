#include "app/map/keptscrollbarstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

constexpr std::size_t kKeptPictures = 4;
// The raster painter hands a copy of more rows than about a hundred to worker threads and
// waits for them, which costs far more than copying a bar's few pixels: pictures go in
// bands this tall.
constexpr int kBandRows = 64;
// Styles draw a handle's edge a pixel or so beyond its rectangle.
constexpr int kHandleMargin = 2;

void drawInBands(QPainter& painter, const QPoint& at, const QImage& picture) {
    const qreal dpr = picture.devicePixelRatio();
    for (int top = 0; top < picture.height(); top += kBandRows) {
        const QRect source(0, top, picture.width(), std::min(kBandRows, picture.height() - top));
        const QRectF target(QPointF(at) + QPointF(0, top / dpr), QSizeF(source.size()) / dpr);
        painter.drawImage(target, picture, source);
    }
}

} // namespace

KeptScrollBarStyle::KeptScrollBarStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

KeptScrollBarStyle::Key KeptScrollBarStyle::keyOf(const QStyleOptionSlider& bar, const QSize& size,
                                                  qreal dpr) {
    Key key;
    key.size = size;
    key.orientation = bar.orientation;
    key.state = bar.state;
    key.active = bar.activeSubControls;
    key.direction = bar.direction;
    key.upsideDown = bar.upsideDown;
    // Some styles grey out the button that can go no further.
    key.atMinimum = bar.sliderValue <= bar.minimum;
    key.atMaximum = bar.sliderValue >= bar.maximum;
    key.palette = bar.palette.cacheKey();
    key.dpr = dpr;
    return key;
}

QImage KeptScrollBarStyle::draw(const QStyleOptionSlider& bar, QStyle::SubControls parts,
                                const QRect& area, qreal dpr, const QWidget* widget) const {
    QStyleOptionSlider option = bar;
    option.subControls = parts;
    QImage picture((QSizeF(area.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-area.topLeft());
    QProxyStyle::drawComplexControl(CC_ScrollBar, &option, &painter, widget);
    return picture;
}

const QImage& KeptScrollBarStyle::keep(std::vector<Kept>& kept, const Key& key,
                                       const QStyleOptionSlider& bar, QStyle::SubControls parts,
                                       const QRect& area, qreal dpr, const QWidget* widget) const {
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->key == key) {
            std::rotate(kept.begin(), it, it + 1); // the most recent first
            return kept.front().picture;
        }
    }
    if (kept.size() >= kKeptPictures)
        kept.pop_back();
    kept.insert(kept.begin(), Kept{key, draw(bar, parts, area, dpr, widget)});
    return kept.front().picture;
}

void KeptScrollBarStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    constexpr QStyle::SubControls kPages = SC_ScrollBarAddPage | SC_ScrollBarSubPage;
    if (control != CC_ScrollBar || !bar || !painter || bar->rect.isEmpty() ||
        (bar->activeSubControls & kPages) || styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QRect whole = bar->rect;
    const QStyle::SubControls wanted = bar->subControls;
    // Along the bar only: across it the bar's own edges bound what the style draws.
    const int dx = bar->orientation == Qt::Horizontal ? kHandleMargin : 0;
    const int dy = bar->orientation == Qt::Vertical ? kHandleMargin : 0;
    const QRect slider = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    const QRect handle = slider.adjusted(-dx, -dy, dx, dy).intersected(whole);

    // In the order styles draw them: the groove, the pages either side of the handle (which
    // move with it), the handle, and the buttons, which may overlap its ends.
    const Key barKey = keyOf(*bar, whole.size(), dpr);
    if (const QStyle::SubControls under = wanted & SC_ScrollBarGroove)
        drawInBands(*painter, whole.topLeft(),
                    keep(grooves_, barKey, *bar, under, whole, dpr, widget));
    if (wanted & kPages) {
        QStyleOptionSlider pages = *bar;
        pages.subControls = wanted & kPages;
        QProxyStyle::drawComplexControl(control, &pages, painter, widget);
    }
    // The handle is drawn relative to its own rectangle, so its picture serves wherever it is.
    if ((wanted & SC_ScrollBarSlider) && !handle.isEmpty()) {
        Key key = keyOf(*bar, handle.size(), dpr);
        key.atMinimum = key.atMaximum = false;
        // Cut short by the bar's end, the picture holds the handle further in.
        key.offset = slider.topLeft() - handle.topLeft();
        drawInBands(*painter, handle.topLeft(),
                    keep(handles_, key, *bar, SC_ScrollBarSlider, handle, dpr, widget));
    }
    if (const QStyle::SubControls over =
            wanted & ~(SC_ScrollBarGroove | SC_ScrollBarSlider | kPages))
        drawInBands(*painter, whole.topLeft(),
                    keep(buttons_, barKey, *bar, over, whole, dpr, widget));
}
