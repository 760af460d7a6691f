#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

// What a player waits for ends when the window's new picture is flushed to the screen. Qt
// paints the widgets that are due and flushes the window's backing store in one go, while
// it handles the window's update request; this counts the requests the window has handled.
class FlushWatch final : public QObject {
public:
    explicit FlushWatch(QWidget& window) : window_(window) { window_.installEventFilter(this); }
    ~FlushWatch() override { window_.removeEventFilter(this); }
    FlushWatch(const FlushWatch&) = delete;
    FlushWatch& operator=(const FlushWatch&) = delete;

    int flushes() const { return flushes_; }

    // Handles events until the window has flushed after this call and `done` (if given)
    // holds; false when that took longer than `timeoutMs`.
    bool waitForFlush(const std::function<bool()>& done = {}, int timeoutMs = 20000) {
        const int before = flushes_;
        return waitUntil([&] { return flushes_ > before && (!done || done()); }, timeoutMs);
    }

    // Handles events until `done` holds; then lets the window flush whatever became due.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
        QElapsedTimer timer;
        timer.start();
        // Sleeps between events rather than spinning, so worker threads keep both cores.
        QTimer wake;
        wake.start(5);
        while (!done()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // Handles what is due now and flushes it, if anything is: the window at rest.
    void settle() {
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Seen before it is handled; the caller looks only once processEvents has returned.
        if (watched == &window_ && event->type() == QEvent::UpdateRequest)
            ++flushes_;
        return false;
    }

private:
    QWidget& window_;
    int flushes_ = 0;
};
