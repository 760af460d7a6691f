#include "app/map/mappanning.h"

#include "app/map/dragscroll.h"
#include "app/map/mapscroller.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>

MapPanning::MapPanning(QWidget& view, MapScroller& scroller, const DragScroll& dragScroll)
    : view_(view), scroller_(scroller), dragScroll_(dragScroll) {
    view_.installEventFilter(this);
}

MapPanning::~MapPanning() {
    while (cursorsPushed_ > 0)
        popCursor();
}

bool MapPanning::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: { // a second press is a press as well
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return mousePressed(mouse->button(), mouse->globalPosition());
    }
    case QEvent::MouseMove:
        if (button_ != Qt::NoButton) {
            // The view still reports the move: the pointer is over another map pixel now.
            const QPointF moved = static_cast<QMouseEvent*>(event)->globalPosition() - start_;
            scroller_.setPosition(scrollStart_ - QPoint(static_cast<int>(std::lround(moved.x())),
                                                        static_cast<int>(std::lround(moved.y()))));
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (button_ == Qt::NoButton || static_cast<QMouseEvent*>(event)->button() != button_)
            return false;
        button_ = Qt::NoButton;
        popCursor();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space)
            return false;
        if (!key->isAutoRepeat())
            setSpaceHeld(event->type() == QEvent::KeyPress);
        // Held, Space repeats: its presses stay here, its repeated releases go on as any key's.
        return event->type() == QEvent::KeyPress || !key->isAutoRepeat();
    }
    case QEvent::FocusOut:
        // The Space key's release goes elsewhere now. Nothing is drawn differently without
        // the focus, so the view need not repaint.
        setSpaceHeld(false);
        return true;
    default:
        return false;
    }
}

bool MapPanning::mousePressed(Qt::MouseButton button, const QPointF& globalPos) {
    const bool spacePan = button == Qt::LeftButton && spaceHeld_ && !dragScroll_.isOn();
    if (button_ != Qt::NoButton || (button != Qt::MiddleButton && !spacePan))
        return false;
    button_ = button;
    start_ = globalPos;
    scrollStart_ = scroller_.position();
    pushCursor(Qt::ClosedHandCursor);
    return true;
}

void MapPanning::setSpaceHeld(bool held) {
    if (held == spaceHeld_)
        return;
    spaceHeld_ = held;
    // The open hand says a left press will pan; the sword comes back on release.
    if (held)
        pushCursor(Qt::OpenHandCursor);
    else
        popCursor();
}

void MapPanning::pushCursor(Qt::CursorShape shape) {
    QGuiApplication::setOverrideCursor(shape);
    ++cursorsPushed_;
}

void MapPanning::popCursor() {
    if (cursorsPushed_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --cursorsPushed_;
    }
}
