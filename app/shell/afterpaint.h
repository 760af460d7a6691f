#pragma once

#include <functional>

class QObject;
class QWidget;

// Runs `action` once, a moment after the widget's next paint has been flushed to the screen,
// so that slow work (a settings file written with fdatasync) does not hold up what the
// player waits to see. A widget that is not shown, or whose window is never exposed, paints
// nothing: the action then runs at once, or after `latestMs` at the latest. Nothing runs once
// `context` is gone.
void runAfterNextPaint(QWidget& widget, QObject& context, std::function<void()> action,
                       int latestMs = 1000);
