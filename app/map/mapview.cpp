#include "app/map/mapview.h"

#include "app/map/mapoverlay.h"
#include "app/map/mapscene.h"
#include "app/map/zoom.h"
#include "board/mappicture.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The view's size: the map picture at the scale, every pixel of it whole.
QSize viewSize(const MapPicture& picture, qreal scale) {
    if (scale == 1.0)
        return picture.image().size();
    return {static_cast<int>(std::ceil(picture.width() * scale - 1e-9)),
            static_cast<int>(std::ceil(picture.height() * scale - 1e-9))};
}

} // namespace

MapView::MapView(QWidget* parent)
    : QWidget(parent), zoom_(new Zoom(this)), scroller_(*this), repaints_(*this),
      dragScroll_(*this, scroller_), panning_(*this, scroller_, dragScroll_),
      zoomAnchor_(*this, *zoom_) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    connect(zoom_, &Zoom::scaleChanged, this, &MapView::scaleChanged);
    connect(&zoomed_, &ZoomedMap::tilesReady, this, [this](const QRect& deviceRect) {
        const qreal dpr = devicePixelRatioF();
        repaints_.request(QRectF(deviceRect.x() / dpr, deviceRect.y() / dpr,
                                 deviceRect.width() / dpr, deviceRect.height() / dpr)
                              .toAlignedRect());
    });
    // The pointer stays where it is while the map moves under it.
    connect(&dragScroll_, &DragScroll::pointerMoved, this, [this](const QPointF& viewPos) {
        const QPoint p = mapPixelAt(viewPos);
        emit mouseMoved(p.x(), p.y());
    });
}

MapView::~MapView() {
    for (MapOverlay* overlay : overlays_)
        overlay->view_ = nullptr;
}

void MapView::setPicture(const MapPicture* picture) {
    picture_ = picture;
    zoomed_.setSources(picture_, nullptr);
    syncDeviceScale();
    if (picture_) {
        resize(viewSize(*picture_, mapScale()));
        picture_->setChangeListener([this](const QRect& rect) {
            zoomed_.pictureChanged(rect);
            repaints_.pictureChanged(rect);
        });
    }
    repaints_.repaintAll();
}

void MapView::setScene(const MapScene* scene) {
    zoomed_.setSources(picture_, scene);
    repaints_.request(rect());
}

qreal MapView::mapScale() const {
    return zoom_->scale();
}

void MapView::syncDeviceScale() {
    zoomed_.setScale(mapScale() * devicePixelRatioF());
}

QPoint MapView::mapPixelAt(const QPointF& viewPos) const {
    // The map pixel under the middle of the device pixel the point falls in.
    const qreal half = 0.5 / devicePixelRatioF();
    const qreal scale = mapScale();
    return {static_cast<int>(std::floor((viewPos.x() + half) / scale)),
            static_cast<int>(std::floor((viewPos.y() + half) / scale))};
}

QPointF MapView::viewPointOf(const QPointF& mapPoint) const {
    return mapPoint * mapScale();
}

QPointF MapView::viewportPointOf(const QPointF& mapPoint) const {
    return viewPointOf(mapPoint) + QPointF(pos());
}

QRectF MapView::visibleMapRect() const {
    const QAbstractScrollArea* area = scroller_.area();
    const QRectF shown =
        area ? QRectF(-QPointF(pos()), QSizeF(area->viewport()->size())) : QRectF(rect());
    const qreal scale = mapScale();
    return {shown.x() / scale, shown.y() / scale, shown.width() / scale, shown.height() / scale};
}

void MapView::scaleChanged(qreal scale) {
    const ZoomAnchor::Kept kept = zoomAnchor_.kept(scale);
    syncDeviceScale();
    resize(picture_ ? viewSize(*picture_, mapScale()) : QSize());
    scroller_.placeMapPoint(kept.mapPoint, kept.viewportPos);
    repaints_.repaintAll();
    emit scroller_.visibleAreaChanged();
}

bool MapView::visibleTilesShown() const {
    // Tiles of the ring around the view arrive too, but paint nothing.
    const QRectF shown = visibleMapRect();
    const qreal scale = zoomed_.scale();
    const QRect device =
        QRectF(shown.x() * scale, shown.y() * scale, shown.width() * scale, shown.height() * scale)
            .toAlignedRect();
    const std::optional<quint64> arrival = zoomed_.arrivalOf(device);
    return arrival && *arrival <= repaints_.paintedArrivals();
}

void MapView::addOverlay(MapOverlay* overlay) {
    if (!overlay || std::find(overlays_.begin(), overlays_.end(), overlay) != overlays_.end())
        return;
    if (overlay->view_)
        overlay->view_->removeOverlay(overlay);
    overlay->view_ = this;
    overlays_.push_back(overlay);
    repaints_.request(rect());
}

void MapView::removeOverlay(MapOverlay* overlay) {
    const auto found = std::find(overlays_.begin(), overlays_.end(), overlay);
    if (found == overlays_.end())
        return;
    overlays_.erase(found);
    overlay->view_ = nullptr;
    repaints_.request(rect());
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    repaints_.painted(event->region(), zoomed_.arrivals());
    const qreal dpr = devicePixelRatioF();
    if (zoomed_.scale() != mapScale() * dpr)
        syncDeviceScale(); // the window moved to a screen of another density
    if (dpr != 1.0)
        painter.scale(1.0 / dpr, 1.0 / dpr); // device pixels, one to one
    for (const QRect& rect : event->region()) {
        const QRect device = dpr == 1.0 ? rect
                                        : QRectF(rect.x() * dpr, rect.y() * dpr, rect.width() * dpr,
                                                 rect.height() * dpr)
                                              .toAlignedRect();
        zoomed_.paint(painter, device);
    }
    if (const QAbstractScrollArea* area = scroller_.area(); area && zoomed_.scale() > 1.0) {
        const QRectF shown(-QPointF(pos()) * dpr, QSizeF(area->viewport()->size()) * dpr);
        zoomed_.prefetch(shown.toAlignedRect());
    }
    paintOverlays(painter, *event);
}

void MapView::paintOverlays(QPainter& painter, const QPaintEvent& event) {
    if (overlays_.empty())
        return;
    painter.resetTransform();
    painter.setClipRegion(event.region());
    const qreal scale = mapScale();
    painter.scale(scale, scale);
    const QRectF exposed(event.rect().x() / scale, event.rect().y() / scale,
                         event.rect().width() / scale, event.rect().height() / scale);
    for (MapOverlay* overlay : overlays_) {
        painter.save();
        overlay->paint(painter, exposed);
        painter.restore();
    }
}

void MapView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = mapPixelAt(event->position());
    emit mousePressed(event->button(), p.x(), p.y());
    event->accept();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = mapPixelAt(event->position());
    emit mouseMoved(p.x(), p.y());
    dragScroll_.follow(event->position());
    event->accept();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = mapPixelAt(event->position());
    emit mouseReleased(event->button(), p.x(), p.y());
    if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
    event->accept();
}

void MapView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu on the right button's release; here only the keyboard's
    // menu key, which opens it at the pointer (the menu acts on the last hex pointed at).
    if (event->reason() != QContextMenuEvent::Mouse)
        emit menuRequested(event->globalPos());
    event->accept();
}

void MapView::focusInEvent(QFocusEvent* event) {
    // Nothing is drawn differently with the focus: no repaint of the whole view (which
    // QWidget's own handler asks for).
    event->accept();
}
