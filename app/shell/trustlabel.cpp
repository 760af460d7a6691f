#include "app/shell/trustlabel.h"

#include "dice/diceverdict.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

constexpr int kGap = 4;

} // namespace

Trust trustOf(const DiceVerdict& verdict) {
    // Dice withheld where they were bound to show are found wanting, as a mismatch is.
    if (verdict.failed())
        return Trust::Refuted;
    return verdict.verified() ? Trust::Verified : Trust::Unverified;
}

Trust trustOf(const RollMark& mark, bool opponents) {
    if (!opponents)
        return Trust::Stated;
    if (mark.refuted)
        return Trust::Refuted;
    return mark.number != 0 && mark.verified ? Trust::Verified : Trust::Unverified;
}

TrustLabel::TrustLabel(Trust trust, const QString& text, QWidget* parent)
    : PlainLabel(text, parent), trust_(trust) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its own colour, whatever role the widget it sits in gives its text.
    setForegroundRole(QPalette::WindowText);
    setTrust(trust);
}

void TrustLabel::setTrust(Trust trust) {
    trust_ = trust;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour(trust));
    setPalette(colours);
    setContentsMargins(badgeSize() + kGap, 0, 0, 0);
    update();
}

QColor TrustLabel::colour(Trust trust) {
    switch (trust) {
    case Trust::Verified:
        return {0x1B, 0x6E, 0x20};
    case Trust::Refuted:
        return {0xB0, 0x1C, 0x1C};
    case Trust::Unverified:
        return {0x8A, 0x55, 0x00};
    case Trust::Stated:
        break;
    }
    return {0x1F, 0x3A, 0x7A};
}

void TrustLabel::paintBadge(QPainter& painter, const QRectF& box, Trust trust) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(trust));
    painter.drawEllipse(box);
    const double s = box.width();
    const QPointF o = box.topLeft();
    const auto at = [&](double x, double y) { return o + QPointF(x * s, y * s); };
    QPen mark(Qt::white, std::max(1.5, s * 0.14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(mark);
    painter.setBrush(Qt::NoBrush);
    switch (trust) {
    case Trust::Verified: {
        QPainterPath tick(at(0.27, 0.52));
        tick.lineTo(at(0.44, 0.69));
        tick.lineTo(at(0.74, 0.33));
        painter.drawPath(tick);
        break;
    }
    case Trust::Refuted:
        painter.drawLine(at(0.33, 0.33), at(0.67, 0.67));
        painter.drawLine(at(0.67, 0.33), at(0.33, 0.67));
        break;
    case Trust::Unverified: {
        // A question mark: a hook and a dot.
        QPainterPath hook(at(0.36, 0.38));
        hook.cubicTo(at(0.36, 0.18), at(0.66, 0.18), at(0.64, 0.38));
        hook.cubicTo(at(0.62, 0.50), at(0.50, 0.48), at(0.50, 0.60));
        painter.drawPath(hook);
        painter.drawPoint(at(0.50, 0.77));
        break;
    }
    case Trust::Stated:
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(at(0.5, 0.5), s * 0.16, s * 0.16);
        break;
    }
    painter.restore();
}

QPixmap TrustLabel::badge(Trust trust, int size) {
    // A list asks for it at every cell it paints.
    const QString key = QStringLiteral("korva-trust-%1-%2").arg(int(trust)).arg(size);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paintBadge(painter, QRectF(0.5, 0.5, size - 1.0, size - 1.0), trust);
    painter.end();
    QPixmapCache::insert(key, picture);
    return picture;
}

void TrustLabel::changeEvent(QEvent* event) {
    PlainLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setContentsMargins(badgeSize() + kGap, 0, 0, 0); // the badge grows with the letters
}

int TrustLabel::badgeSize() const {
    return fontMetrics().height() - 2;
}

void TrustLabel::paintEvent(QPaintEvent* event) {
    PlainLabel::paintEvent(event);
    if (text().isEmpty())
        return;
    QPainter painter(this);
    const int size = badgeSize();
    // Beside the first line.
    const double top = contentsRect().top() + (fontMetrics().height() - size) / 2.0;
    paintBadge(painter, QRectF(0.5, top + 0.5, size - 1.0, size - 1.0), trust_);
}
