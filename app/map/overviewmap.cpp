#include "app/map/overviewmap.h"

#include "app/map/areaaverage.h"
#include "app/map/mapscene.h"
#include "app/map/mapview.h"
#include "board/mappicture.h"
#include "geometry/hexgrid.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The ground is the map made this much smaller, enough for a dock a few hundred pixels tall.
constexpr qreal kGroundScale = 0.25;
} // namespace

OverviewMap::OverviewMap(MapView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("bOverviewMap"));
    setMinimumSize(95, 170);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // Every pixel is painted: the dock and the window under it need not paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&view_.scroller(), &MapScroller::visibleAreaChanged, this,
            qOverload<>(&QWidget::update));
    connect(&view_.repaints(), &MapRepaints::mapChanged, this, [this] {
        pictureDue_ = true;
        update();
    });
}

void OverviewMap::setScene(const MapScene* scene) {
    scene_ = scene;
    ground_ = QImage();
    picture_ = QImage();
    pictureDue_ = true;
    update();
}

QSize OverviewMap::sizeHint() const {
    return {200, 350};
}

QColor OverviewMap::dotColour(int kind) {
    switch (static_cast<CounterKind>(kind)) {
    case CounterKind::FirstSide:
        return {0, 114, 178}; // blue
    case CounterKind::SecondSide:
        return {230, 159, 0}; // orange
    default:
        return {90, 90, 90};
    }
}

QRectF OverviewMap::mapArea() const {
    if (!scene_)
        return {};
    const QSizeF map(scene_->picture().width(), scene_->picture().height());
    const QSizeF shown = map.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return {QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

QPointF OverviewMap::widgetPointOf(const QPointF& mapPoint) const {
    const QRectF area = mapArea();
    if (area.isEmpty())
        return {};
    const qreal k = area.width() / scene_->picture().width();
    return area.topLeft() + mapPoint * k;
}

QPointF OverviewMap::mapPointAt(const QPointF& widgetPoint) const {
    const QRectF area = mapArea();
    if (area.isEmpty())
        return {};
    const qreal k = area.width() / scene_->picture().width();
    return (widgetPoint - area.topLeft()) / k;
}

QRectF OverviewMap::viewFrame() const {
    const QRectF shown = view_.visibleMapRect();
    return QRectF(widgetPointOf(shown.topLeft()), widgetPointOf(shown.bottomRight()));
}

void OverviewMap::makeGround() {
    // The bare map: the pristine pixels, so counters show only as the dots; a band at a time,
    // so that no second copy of the whole map is made for it.
    const MapPicture& picture = scene_->picture();
    const qreal scale = std::min(1.0, kGroundScale * devicePixelRatioF());
    ground_ = areaaverage::shrinkByBands(picture.image().size(), scale, [&picture](const QRect& r) {
        return picture.pristineCopy(r);
    });
}

void OverviewMap::makePicture() {
    const qreal dpr = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * dpr).toSize();
    const QRectF area = mapArea();
    if (ground_.isNull())
        makeGround();
    // The same dots on the same ground: the picture stands (an Open often moves few).
    std::vector<MapScene::OccupiedHex> occupied = scene_->occupiedHexes();
    const bool sizeChanged = picture_.size() != deviceSize || picture_.devicePixelRatio() != dpr;
    if (!picture_.isNull() && !sizeChanged && occupied == dots_) {
        pictureDue_ = false;
        return;
    }
    dots_ = std::move(occupied);
    // The ground is drawn afresh under new dots, a few milliseconds, rather than kept a second
    // time at the widget's size.
    if (sizeChanged)
        picture_ = QImage(deviceSize, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(1.0);
    picture_.fill(palette().window().color());
    QPainter painter(&picture_);
    painter.save();
    painter.scale(dpr, dpr);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, ground_);
    painter.restore();

    const qreal k = area.width() / scene_->picture().width();
    const qreal radius = std::max(3.0, 9.0 * k) * dpr;
    if (stampRadius_ != radius)
        makeStamps(radius, dpr);
    // Each dot stamped from the one drawn for its colour and its quarter of a pixel: a busy
    // position has hundreds, each a smoothed ellipse to draw otherwise.
    for (const MapScene::OccupiedHex& dot : dots_) {
        const AFPoint centre = hexgrid::hexCentre(dot.hex);
        const QPointF at = widgetPointOf(QPointF(centre.x, centre.y)) * dpr * kStampSteps;
        const int x = static_cast<int>(std::lround(at.x()));
        const int y = static_cast<int>(std::lround(at.y()));
        const int kind = std::clamp(static_cast<int>(dot.kind), 0, kStampKinds - 1);
        const int fx = ((x % kStampSteps) + kStampSteps) % kStampSteps;
        const int fy = ((y % kStampSteps) + kStampSteps) % kStampSteps;
        painter.drawImage(QPoint((x - fx) / kStampSteps, (y - fy) / kStampSteps) - stampOrigin_,
                          stamps_[std::size_t((kind * kStampSteps + fy) * kStampSteps + fx)]);
    }
    painter.end();
    picture_.setDevicePixelRatio(dpr);
    pictureDue_ = false;
}

void OverviewMap::makeStamps(qreal radius, qreal dpr) {
    // Room for the outline and its smoothing around the dot, and a pixel to move it within.
    const int reach = static_cast<int>(std::ceil(radius + dpr)) + 1;
    stampOrigin_ = QPoint(reach, reach);
    stampRadius_ = radius;
    stamps_.clear();
    for (int kind = 0; kind < kStampKinds; ++kind) {
        for (int fy = 0; fy < kStampSteps; ++fy) {
            for (int fx = 0; fx < kStampSteps; ++fx) {
                QImage stamp(2 * reach + 2, 2 * reach + 2, QImage::Format_ARGB32_Premultiplied);
                stamp.fill(Qt::transparent);
                QPainter painter(&stamp);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(QColor(20, 20, 20), 0.8 * dpr));
                painter.setBrush(dotColour(kind));
                const QPointF centre = QPointF(stampOrigin_) + QPointF(fx, fy) / kStampSteps;
                painter.drawEllipse(centre, radius, radius);
                painter.end();
                stamps_.push_back(std::move(stamp));
            }
        }
    }
}

void OverviewMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = mapArea();
    if (area.isEmpty()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // The ground and the dots change with the game; a scroll of the view moves the frame only.
    if (pictureDue_ || picture_.deviceIndependentSize() != QSizeF(size()) ||
        picture_.devicePixelRatio() != devicePixelRatioF())
        makePicture();
    painter.drawImage(QPointF(0, 0), picture_);

    // The part in view: a dark frame inside a light one, seen on sea and land alike.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = viewFrame().intersected(area);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 3.0));
    painter.drawRect(frame);
    painter.setPen(QPen(QColor(200, 20, 20), 1.5));
    painter.drawRect(frame);
}

void OverviewMap::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !scene_) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF mapPoint = mapPointAt(event->position());
    const QRectF shown = view_.visibleMapRect();
    // Taken inside the frame it moves as grabbed; elsewhere the view centres there first.
    grabOffset_ = viewFrame().contains(event->position()) ? mapPoint - shown.center() : QPointF();
    dragging_ = true;
    view_.centreOn(mapPoint - grabOffset_);
    event->accept();
}

void OverviewMap::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    view_.centreOn(mapPointAt(event->position()) - grabOffset_);
    event->accept();
}

void OverviewMap::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}
