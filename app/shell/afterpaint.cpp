#include "app/shell/afterpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

class AfterPaint final : public QObject {
public:
    AfterPaint(QWidget& widget, QObject& context, std::function<void()> action, int latestMs)
        : QObject(&context), action_(std::move(action)) {
        widget.installEventFilter(this);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &AfterPaint::run);
        timer_.start(latestMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A moment later: the window's flush and whatever else the paint set off come first.
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            timer_.start(kSettleMs);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run() {
        if (!action_)
            return;
        std::exchange(action_, {})();
        deleteLater();
    }

    static constexpr int kSettleMs = 20;
    std::function<void()> action_;
    QTimer timer_;
    bool painted_ = false;
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
