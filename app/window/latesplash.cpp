#include "app/window/latesplash.h"

#include "app/dialogs/tsplash.h"
#include "app/window/tmainform.h"

#include <QCoreApplication>

#include <utility>

LateSplash::LateSplash(std::function<QImage()> picture, int delayMs)
    : picture_(std::move(picture)), delayMs_(delayMs) {
    clock_.start();
}

void LateSplash::showIfLate() {
    if (shown_ || clock_.elapsed() < delayMs_)
        return;
    shown_ = true;
    auto* splash = new TSplash(picture_ ? picture_() : QImage());
    Splash = splash;
    splash->show();
    // Painted now: what follows is the slow part it stands for.
    QCoreApplication::processEvents();
}
