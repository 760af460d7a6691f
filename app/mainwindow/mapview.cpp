#include "app/mainwindow/mapview.h"

#include "geometry/mappicture.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), picture_->image(), rect);
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
