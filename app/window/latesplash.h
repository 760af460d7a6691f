#pragma once

#include <QElapsedTimer>
#include <QImage>

#include <functional>

// The splash of a slow start only. A window ready within a moment needs no splash: one
// flashed for a few milliseconds distracts more than it reassures, and drawing it delays
// the window. While the window is built the event loop does not run, so no timer could show
// the splash: start-up calls showIfLate() between its slow steps instead.
class LateSplash {
public:
    static constexpr int kDelayMs = 250;

    // `picture` is asked for only when the splash shows. The clock starts now.
    explicit LateSplash(std::function<QImage()> picture, int delayMs = kDelayMs);

    // Shows the splash, once, when the start has taken longer than the delay; the main
    // window's first showing destroys it (Splash).
    void showIfLate();
    bool shown() const { return shown_; }

private:
    std::function<QImage()> picture_;
    QElapsedTimer clock_;
    int delayMs_;
    bool shown_ = false;
};
