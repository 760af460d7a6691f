#include "app/mainwindow/bandedscrollbarstyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComplex>

#include <algorithm>

BandedScrollBarStyle::BandedScrollBarStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

void BandedScrollBarStyle::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex* option, QPainter* painter,
                                              const QWidget* widget) const {
    if (control != CC_ScrollBar || !option || !painter || option->rect.height() <= kBandRows) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Drawn into pictures rather than clipped: the style sets clips of its own.
    const QRect whole = option->rect;
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    for (int top = whole.top(); top <= whole.bottom(); top += kBandRows) {
        const QRect band(whole.left(), top, whole.width(),
                         std::min(kBandRows, whole.bottom() + 1 - top));
        QImage picture((QSizeF(band.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::transparent);
        {
            QPainter bandPainter(&picture);
            bandPainter.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        }
        painter->drawImage(band.topLeft(), picture);
    }
}
