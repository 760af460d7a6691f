#include "app/map/mapview.h"

#include "app/map/keptscrollbarstyle.h"
#include "app/map/mapoverlay.h"
#include "app/map/mapscene.h"
#include "app/map/zoom.h"
#include "board/mappicture.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// Up to this many changed rectangles are repainted one by one; more (an Open, a redraw of
// the whole board) are repainted as the one rectangle around their visible parts.
constexpr std::size_t kSeparateRepaints = 16;
// The scroll box's step, which the arrow keys scroll by.
constexpr int kLineStep = 20;
// How near the viewport's edge a dragged counter starts the view scrolling, how often it
// scrolls, and how fast at most (viewport pixels a step).
constexpr int kDragScrollMargin = 24;
constexpr int kDragScrollInterval = 25;
constexpr int kDragScrollFastest = 40;
// One notch of a wheel.
constexpr int kWheelNotch = 120;

int dragScrollSpeed(qreal position, int length) {
    qreal beyond = 0.0;
    if (position < kDragScrollMargin)
        beyond = position - kDragScrollMargin;
    else if (position > length - kDragScrollMargin)
        beyond = position - (length - kDragScrollMargin);
    if (beyond == 0.0)
        return 0;
    // Faster the further in (or out of the window): a little at the edge, quick beyond it.
    const int speed = std::min(kDragScrollFastest, 2 + static_cast<int>(std::abs(beyond)) / 2);
    return beyond < 0.0 ? -speed : speed;
}

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent), zoom_(new Zoom(this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    connect(zoom_, &Zoom::scaleChanged, this, &MapView::scaleChanged);
    connect(&zoomed_, &ZoomedMap::tilesReady, this, [this](const QRect& deviceRect) {
        const qreal dpr = devicePixelRatioF();
        requestUpdate(QRectF(deviceRect.x() / dpr, deviceRect.y() / dpr, deviceRect.width() / dpr,
                             deviceRect.height() / dpr)
                          .toAlignedRect());
    });
    dragScrollTimer_.setInterval(kDragScrollInterval);
    connect(&dragScrollTimer_, &QTimer::timeout, this, &MapView::dragScrollStep);
}

MapView::~MapView() {
    for (MapOverlay* overlay : overlays_)
        overlay->view_ = nullptr;
    while (cursorsPushed_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --cursorsPushed_;
    }
}

void MapView::setPicture(const MapPicture* picture) {
    picture_ = picture;
    changes_.clear();
    zoomed_.setSources(picture_, nullptr);
    syncDeviceScale();
    if (picture_) {
        resize(mapViewSize());
        picture_->setChangeListener([this](const QRect& rect) { pictureChanged(rect); });
    }
    requestUpdate(rect());
}

void MapView::setScene(const MapScene* scene) {
    zoomed_.setSources(picture_, scene);
    requestUpdate(rect());
}

qreal MapView::mapScale() const {
    return zoom_->scale();
}

QSize MapView::mapViewSize() const {
    if (!picture_)
        return {};
    const qreal scale = mapScale();
    if (scale == 1.0)
        return picture_->image().size();
    return {static_cast<int>(std::ceil(picture_->width() * scale - 1e-9)),
            static_cast<int>(std::ceil(picture_->height() * scale - 1e-9))};
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

QRect MapView::viewRectOf(const QRect& mapRect) const {
    const qreal scale = mapScale();
    if (scale == 1.0)
        return mapRect;
    return QRectF(mapRect.x() * scale, mapRect.y() * scale, mapRect.width() * scale,
                  mapRect.height() * scale)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QRectF MapView::visibleMapRect() const {
    const QAbstractScrollArea* area = scrollArea();
    const QRectF shown =
        area ? QRectF(-QPointF(pos()), QSizeF(area->viewport()->size())) : QRectF(rect());
    const qreal scale = mapScale();
    return {shown.x() / scale, shown.y() / scale, shown.width() / scale, shown.height() / scale};
}

QAbstractScrollArea* MapView::scrollArea() const {
    QWidget* viewport = parentWidget();
    return viewport ? qobject_cast<QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
}

bool MapView::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        watchScrollArea();
    return QWidget::event(event);
}

void MapView::watchScrollArea() {
    QAbstractScrollArea* area = scrollArea();
    if (area == watchedArea_)
        return;
    if (watchedArea_)
        watchedArea_->viewport()->removeEventFilter(this);
    watchedArea_ = area;
    if (!area)
        return;
    // Owned by the scroll box, which its bars do not outlive.
    auto* barStyle = new KeptScrollBarStyle(area);
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &MapView::visibleAreaChanged);
        bar->setStyle(barStyle);
    }
    area->viewport()->installEventFilter(this);
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
    if (watchedArea_ && watched == watchedArea_->viewport() && event->type() == QEvent::Resize)
        emit visibleAreaChanged();
    return QWidget::eventFilter(watched, event);
}

void MapView::zoomAt(qreal scale, const QPointF& viewportPos) {
    zoomAnchor_ = viewportPos;
    zoom_->setScale(scale);
    zoomAnchor_.reset();
}

void MapView::scaleChanged(qreal scale) {
    const QAbstractScrollArea* area = scrollArea();
    const QPointF anchor = zoomAnchor_ ? *zoomAnchor_
                           : area      ? QRectF(area->viewport()->rect()).center()
                                       : QPointF();
    const QPointF mapPoint =
        zoomMapPoint_ ? *zoomMapPoint_ : (anchor - QPointF(pos())) / shownScale_;
    shownScale_ = scale;
    syncDeviceScale();
    resize(mapViewSize());
    placeMapPoint(mapPoint, anchor);
    changes_.clear(); // the whole view is repainted
    requestUpdate(rect());
    emit visibleAreaChanged();
}

qreal MapView::fitWidthScale() const {
    const QAbstractScrollArea* area = scrollArea();
    if (!area || !picture_)
        return 1.0;
    // The map is taller than it is wide, so its width shares the view with a scroll bar.
    const int width =
        area->maximumViewportSize().width() - area->verticalScrollBar()->sizeHint().width();
    return std::clamp(qreal(width) / picture_->width(), Zoom::kMinimum, Zoom::kMaximum);
}

qreal MapView::fitWindowScale() const {
    const QAbstractScrollArea* area = scrollArea();
    if (!area || !picture_)
        return 1.0;
    const QSize size = area->maximumViewportSize();
    return std::clamp(std::min(qreal(size.width()) / picture_->width(),
                               qreal(size.height()) / picture_->height()),
                      Zoom::kMinimum, Zoom::kMaximum);
}

QRect MapView::visibleDeviceRect() const {
    const QRectF shown = visibleMapRect();
    const qreal scale = zoomed_.scale();
    return QRectF(shown.x() * scale, shown.y() * scale, shown.width() * scale,
                  shown.height() * scale)
        .toAlignedRect();
}

bool MapView::visibleTilesShown() const {
    // Tiles of the ring around the view arrive too, but paint nothing.
    const std::optional<quint64> arrival = zoomed_.arrivalOf(visibleDeviceRect());
    return arrival && *arrival <= paintedArrivals_;
}

void MapView::finishVisibleTiles() {
    const qreal dpr = devicePixelRatioF();
    const QRect device = visibleDeviceRect();
    const int ring = ZoomedMap::kTileSize;
    zoomed_.finishTiles(device.adjusted(-ring, -ring, ring, ring));
    const QRect view =
        QRectF(device.x() / dpr, device.y() / dpr, device.width() / dpr, device.height() / dpr)
            .toAlignedRect();
    requestUpdate(view);
}

void MapView::scrollBy(int dx, int dy) {
    if (QAbstractScrollArea* area = scrollArea()) {
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + dx);
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + dy);
    }
}

void MapView::scrollLines(int dx, int dy) {
    scrollBy(dx * kLineStep, dy * kLineStep);
}

void MapView::scrollPages(int dx, int dy) {
    if (const QAbstractScrollArea* area = scrollArea())
        scrollBy(dx * area->horizontalScrollBar()->pageStep(),
                 dy * area->verticalScrollBar()->pageStep());
}

void MapView::placeMapPoint(const QPointF& mapPoint, const QPointF& viewportPos) {
    if (QAbstractScrollArea* area = scrollArea()) {
        const QPointF at = viewPointOf(mapPoint) - viewportPos;
        area->horizontalScrollBar()->setValue(static_cast<int>(std::lround(at.x())));
        area->verticalScrollBar()->setValue(static_cast<int>(std::lround(at.y())));
    }
}

void MapView::centreOn(const QPointF& mapPoint) {
    if (const QAbstractScrollArea* area = scrollArea())
        placeMapPoint(mapPoint, QRectF(area->viewport()->rect()).center());
}

void MapView::ensureVisible(const QRectF& mapRect, int margin) {
    const QAbstractScrollArea* area = scrollArea();
    if (!area)
        return;
    const QRectF wanted =
        QRectF(viewportPointOf(mapRect.topLeft()), viewportPointOf(mapRect.bottomRight()))
            .adjusted(-margin, -margin, margin, margin);
    const QRectF shown(area->viewport()->rect());
    int dx = 0;
    int dy = 0;
    if (wanted.left() < shown.left())
        dx = static_cast<int>(std::floor(wanted.left() - shown.left()));
    else if (wanted.right() > shown.right())
        dx = static_cast<int>(
            std::ceil(std::min(wanted.right() - shown.right(), wanted.left() - shown.left())));
    if (wanted.top() < shown.top())
        dy = static_cast<int>(std::floor(wanted.top() - shown.top()));
    else if (wanted.bottom() > shown.bottom())
        dy = static_cast<int>(
            std::ceil(std::min(wanted.bottom() - shown.bottom(), wanted.top() - shown.top())));
    scrollBy(dx, dy);
}

void MapView::addOverlay(MapOverlay* overlay) {
    if (!overlay || std::find(overlays_.begin(), overlays_.end(), overlay) != overlays_.end())
        return;
    if (overlay->view_)
        overlay->view_->removeOverlay(overlay);
    overlay->view_ = this;
    overlays_.push_back(overlay);
    requestUpdate(rect());
}

void MapView::removeOverlay(MapOverlay* overlay) {
    const auto found = std::find(overlays_.begin(), overlays_.end(), overlay);
    if (found == overlays_.end())
        return;
    overlays_.erase(found);
    overlay->view_ = nullptr;
    requestUpdate(rect());
}

void MapView::updateMapRect(const QRectF& mapRect) {
    requestUpdate(viewRectOf(mapRect.toAlignedRect()).intersected(rect()));
}

void MapView::updateMapRects(const std::vector<QRectF>& mapRects) {
    std::vector<QRect> parts;
    for (const QRectF& mapRect : mapRects)
        if (const QRect part = viewRectOf(mapRect.toAlignedRect()).intersected(rect());
            !part.isEmpty())
            parts.push_back(part);
    requestUpdates(parts);
}

void MapView::pictureChanged(const QRect& rect) {
    zoomed_.pictureChanged(rect);
    // A hex redrawn reports its counters inside its erased area; keep only the area.
    if (!changes_.empty() && changes_.back().contains(rect))
        return;
    changes_.push_back(rect);
    if (!repaintQueued_) {
        repaintQueued_ = true;
        QMetaObject::invokeMethod(this, &MapView::repaintChanges, Qt::QueuedConnection);
    }
}

void MapView::repaintChanges() {
    repaintQueued_ = false;
    const QRect visible = visibleRegion().boundingRect();
    std::vector<QRect> shown;
    for (const QRect& change : changes_)
        if (const QRect part = viewRectOf(change).intersected(visible); !part.isEmpty())
            shown.push_back(part);
    const bool changed = !changes_.empty();
    changes_.clear();
    requestUpdates(shown);
    if (changed)
        emit mapChanged();
}

void MapView::requestUpdates(const std::vector<QRect>& parts) {
    if (parts.size() <= kSeparateRepaints) {
        for (const QRect& part : parts)
            requestUpdate(part);
        return;
    }
    QRect around;
    for (const QRect& part : parts)
        around |= part;
    requestUpdate(around);
}

void MapView::requestUpdate(const QRect& rect) {
    ++updateRequests_;
    update(rect);
}

void MapView::paintEvent(QPaintEvent* event) {
    ++paintEvents_;
    QPainter painter(this);
    if (!picture_) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (zoomed_.scale() != mapScale() * dpr)
        syncDeviceScale(); // the window moved to a screen of another density
    if (dpr != 1.0)
        painter.scale(1.0 / dpr, 1.0 / dpr); // device pixels, one to one
    paintedArrivals_ = zoomed_.arrivals();
    for (const QRect& rect : event->region()) {
        paintedPixels_ += qint64(rect.width()) * rect.height();
        const QRect device = dpr == 1.0 ? rect
                                        : QRectF(rect.x() * dpr, rect.y() * dpr, rect.width() * dpr,
                                                 rect.height() * dpr)
                                              .toAlignedRect();
        zoomed_.paint(painter, device);
    }
    if (const QAbstractScrollArea* area = scrollArea(); area && zoomed_.scale() > 1.0) {
        const QRectF shown(-QPointF(pos()) * dpr, QSizeF(area->viewport()->size()) * dpr);
        zoomed_.prefetch(shown.toAlignedRect());
    }
    if (overlays_.empty())
        return;
    painter.resetTransform();
    painter.setClipRegion(event->region());
    const qreal scale = mapScale();
    painter.scale(scale, scale);
    const QRectF exposed(event->rect().x() / scale, event->rect().y() / scale,
                         event->rect().width() / scale, event->rect().height() / scale);
    for (MapOverlay* overlay : overlays_) {
        painter.save();
        overlay->paint(painter, exposed);
        painter.restore();
    }
}

void MapView::emitMove(const QPointF& viewPos) {
    const QPoint p = mapPixelAt(viewPos);
    emit mouseMoved(p.x(), p.y());
}

void MapView::mousePressEvent(QMouseEvent* event) {
    const bool spacePan = event->button() == Qt::LeftButton && spaceHeld_ && !dragScrolling_;
    if (panButton_ == Qt::NoButton && (event->button() == Qt::MiddleButton || spacePan)) {
        beginPan(event->globalPosition(), event->button());
        event->accept();
        return;
    }
    const QPoint p = mapPixelAt(event->position());
    emit mousePressed(event->button(), p.x(), p.y());
    event->accept();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (panButton_ != Qt::NoButton) {
        const QPointF moved = event->globalPosition() - panStart_;
        if (QAbstractScrollArea* area = scrollArea()) {
            area->horizontalScrollBar()->setValue(panScrollStart_.x() -
                                                  static_cast<int>(std::lround(moved.x())));
            area->verticalScrollBar()->setValue(panScrollStart_.y() -
                                                static_cast<int>(std::lround(moved.y())));
        }
    }
    emitMove(event->position());
    if (dragScrolling_)
        updateDragScroll(event->position());
    event->accept();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (panButton_ != Qt::NoButton && event->button() == panButton_) {
        endPan();
        event->accept();
        return;
    }
    const QPoint p = mapPixelAt(event->position());
    emit mouseReleased(event->button(), p.x(), p.y());
    if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
    event->accept();
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the scroll box scrolls
        return;
    }
    wheelSteps_ += event->angleDelta().y();
    const QPointF anchor = event->position() + QPointF(pos());
    zoomMapPoint_ = (anchor - QPointF(pos())) / shownScale_;
    while (std::abs(wheelSteps_) >= kWheelNotch) {
        const bool in = wheelSteps_ > 0;
        wheelSteps_ += in ? -kWheelNotch : kWheelNotch;
        zoomAnchor_ = anchor;
        in ? zoom_->zoomIn() : zoom_->zoomOut();
        zoomAnchor_.reset();
    }
    zoomMapPoint_.reset();
    event->accept();
}

void MapView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu on the right button's release; here only the keyboard's
    // menu key, which opens it at the pointer (the menu acts on the last hex pointed at).
    if (event->reason() != QContextMenuEvent::Mouse)
        emit menuRequested(event->globalPos());
    event->accept();
}

void MapView::keyPressEvent(QKeyEvent* event) {
    // Space is held rather than pressed (a left press pans while it is down), so it is no
    // command; the map's other keys are the command table's.
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            setSpaceHeld(true);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MapView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        setSpaceHeld(false);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MapView::focusInEvent(QFocusEvent* event) {
    // Nothing is drawn differently with the focus: no repaint of the whole view (which
    // QWidget's own handler asks for).
    event->accept();
}

void MapView::focusOutEvent(QFocusEvent* event) {
    // The Space key's release goes elsewhere now.
    setSpaceHeld(false);
    event->accept();
}

void MapView::setSpaceHeld(bool held) {
    if (held == spaceHeld_)
        return;
    spaceHeld_ = held;
    // The open hand says a left press will pan; the sword comes back on release.
    if (held) {
        QGuiApplication::setOverrideCursor(Qt::OpenHandCursor);
        ++cursorsPushed_;
    } else if (cursorsPushed_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --cursorsPushed_;
    }
}

void MapView::beginPan(const QPointF& globalPos, Qt::MouseButton button) {
    const QAbstractScrollArea* area = scrollArea();
    panButton_ = button;
    panStart_ = globalPos;
    panScrollStart_ =
        area ? QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value())
             : QPoint();
    QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
    ++cursorsPushed_;
}

void MapView::endPan() {
    panButton_ = Qt::NoButton;
    if (cursorsPushed_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --cursorsPushed_;
    }
}

void MapView::setDragScrolling(bool on) {
    dragScrolling_ = on;
    if (!on) {
        dragScrollTimer_.stop();
        dragScrollSpeed_ = {};
    }
}

void MapView::updateDragScroll(const QPointF& viewPos) {
    const QAbstractScrollArea* area = scrollArea();
    if (!area || !isVisible()) {
        dragScrollTimer_.stop();
        return;
    }
    dragViewportPos_ = viewPos + QPointF(pos());
    const QSize size = area->viewport()->size();
    dragScrollSpeed_ = QPoint(dragScrollSpeed(dragViewportPos_.x(), size.width()),
                              dragScrollSpeed(dragViewportPos_.y(), size.height()));
    if (dragScrollSpeed_.isNull())
        dragScrollTimer_.stop();
    else if (!dragScrollTimer_.isActive())
        dragScrollTimer_.start();
}

void MapView::dragScrollStep() {
    const QPoint before = pos();
    scrollBy(dragScrollSpeed_.x(), dragScrollSpeed_.y());
    if (pos() == before) {
        dragScrollTimer_.stop(); // at the map's edge
        return;
    }
    // The pointer stays where it is while the map moves under it.
    emitMove(dragViewportPos_ - QPointF(pos()));
}
