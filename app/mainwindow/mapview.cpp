#include "app/mainwindow/mapview.h"

#include "app/mainwindow/mapoverlay.h"
#include "geometry/mappicture.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// Up to this many changed rectangles are repainted one by one; more (an Open, a redraw of
// the whole board) are repainted as the one rectangle around their visible parts.
constexpr std::size_t kSeparateRepaints = 16;

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

MapView::~MapView() {
    for (MapOverlay* overlay : overlays_)
        overlay->view_ = nullptr;
}

void MapView::setPicture(MapPicture* picture) {
    picture_ = picture;
    changes_.clear();
    if (picture_) {
        resize(picture_->width(), picture_->height());
        picture_->setChangeListener([this](const QRect& rect) { pictureChanged(rect); });
    }
    requestUpdate(rect());
}

void MapView::pictureChanged(const QRect& rect) {
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
    QRect around;
    for (const QRect& change : changes_) {
        const QRect part = change.intersected(visible);
        if (part.isEmpty())
            continue;
        shown.push_back(part);
        around |= part;
    }
    changes_.clear();
    if (shown.size() > kSeparateRepaints) {
        requestUpdate(around);
        return;
    }
    for (const QRect& part : shown)
        requestUpdate(part);
}

void MapView::requestUpdate(const QRect& rect) {
    ++updateRequests_;
    update(rect);
}

QAbstractScrollArea* MapView::scrollArea() const {
    // The scroll box holds the view in its viewport: viewport, then the area.
    QWidget* viewport = parentWidget();
    return viewport ? qobject_cast<QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
}

void MapView::centreOn(const QPointF& mapPoint) {
    QAbstractScrollArea* area = scrollArea();
    if (!area)
        return;
    const QSize shown = area->viewport()->size();
    area->horizontalScrollBar()->setValue(qRound(mapPoint.x() - shown.width() / 2.0));
    area->verticalScrollBar()->setValue(qRound(mapPoint.y() - shown.height() / 2.0));
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
    const QRect part = mapRect.toAlignedRect().intersected(rect());
    if (!part.isEmpty())
        requestUpdate(part);
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), picture_->image(), rect);
    if (overlays_.empty())
        return;
    // The view shows the picture at its own size, so map pixels are the painter's pixels.
    painter.setClipRegion(event->region());
    const QRectF exposed(event->rect());
    for (MapOverlay* overlay : overlays_) {
        painter.save();
        overlay->paint(painter, exposed);
        painter.restore();
    }
}

void MapView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mousePressed(event->button(), p.x(), p.y());
    event->accept();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y());
    event->accept();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
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

void MapView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit escapePressed();
    event->accept();
}
