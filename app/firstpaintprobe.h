#pragma once

#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// For the start-up benchmark (bench/startup) only: with KORVA_FIRST_PAINT_PROBE set in the
// environment, the program prints one line once the watched widget has painted and the
// window has been flushed, then exits at once:
//     first-paint <CLOCK_MONOTONIC nanoseconds> <resident set size in kB>
// Without the variable nothing is installed. The minimal comparison program uses the same
// probe, so both are measured at the same moment.
class FirstPaintProbe final : public QObject {
public:
    // Installs the probe on the widget when the environment asks for it.
    static void watchIfAsked(QWidget* widget) {
        if (qEnvironmentVariableIsSet("KORVA_FIRST_PAINT_PROBE"))
            widget->installEventFilter(new FirstPaintProbe(widget));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // Queued: runs after this paint event and the flush of the window it belongs to.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FirstPaintProbe(QObject* parent) : QObject(parent) {}

    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nanoseconds = now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("first-paint %lld %lld\n", nanoseconds, residentKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
    }

    static long long residentKilobytes() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        return -1;
    }

    bool reported_ = false;
};
