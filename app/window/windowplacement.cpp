#include "app/window/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace windowplacement {

namespace {

// Enough of the window on a screen to take it by its title bar and bring it back.
bool onAScreen(const QRect& client) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&client](const QScreen* screen) {
        const QRect seen = screen->availableGeometry() & client;
        return seen.width() >= 40 && seen.height() >= 20;
    });
}

} // namespace

WindowPlace placeOf(const QWidget& window) {
    const bool maximized = window.isMaximized();
    return {maximized ? window.normalGeometry() : window.geometry(), maximized};
}

void restore(QWidget& window, const std::optional<WindowPlace>& saved) {
    if (!saved || !onAScreen(saved->client)) {
        window.move(kFirstPlace);
        return;
    }
    // The rectangle inside the frame: the frame's size is the window system's to add.
    window.setGeometry(saved->client);
    if (saved->maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

} // namespace windowplacement
