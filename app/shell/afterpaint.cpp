#include "app/shell/afterpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class AfterPaint final : public QObject {
public:
    AfterPaint(QWidget& widget, QObject& context, std::function<void()> action, int latestMs)
        : QObject(&context), action_(std::move(action)) {
        widget.installEventFilter(this);
        QTimer::singleShot(latestMs, this, &AfterPaint::run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued: runs after this paint and the flush of the window it belongs to.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(this, &AfterPaint::run, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void run() {
        if (!action_)
            return;
        std::exchange(action_, {})();
        deleteLater();
    }

    std::function<void()> action_;
};

} // namespace

void runAfterNextPaint(QWidget& widget, QObject& context, std::function<void()> action,
                       int latestMs) {
    if (!widget.isVisible()) {
        action();
        return;
    }
    new AfterPaint(widget, context, std::move(action), latestMs);
}
