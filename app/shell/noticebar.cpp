#include "app/shell/noticebar.h"

#include <QEvent>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kWidest = 720;

} // namespace

NoticeBar::NoticeBar(QWidget* area) : PlainLabel({}, area) {
    setObjectName(QStringLiteral("bNoticeBar"));
    setWordWrap(true);
    setMargin(6);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    expiry_.setSingleShot(true);
    connect(&expiry_, &QTimer::timeout, this, &NoticeBar::clearNotice);
    area->installEventFilter(this);
}

void NoticeBar::showNotice(const QString& text, int milliseconds) {
    if (text.isEmpty()) {
        clearNotice();
        return;
    }
    setText(text);
    setAccessibleName(text);
    place();
    show();
    raise();
    if (milliseconds > 0)
        expiry_.start(milliseconds);
    else
        expiry_.stop();
}

void NoticeBar::clearNotice() {
    expiry_.stop();
    clear();
    hide();
}

QString NoticeBar::notice() const {
    return text();
}

void NoticeBar::place() {
    const QWidget* area = parentWidget();
    const int width = std::min(kWidest, area->width() - 2 * kMargin);
    if (width <= 0)
        return;
    const int height = heightForWidth(width);
    setGeometry((area->width() - width) / 2, kMargin, width,
                height > 0 ? height : sizeHint().height());
}

bool NoticeBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && !text().isEmpty())
        place();
    return PlainLabel::eventFilter(watched, event);
}
