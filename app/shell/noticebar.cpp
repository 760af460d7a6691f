#include "app/shell/noticebar.h"

#include "app/shell/quotedtext.h"
#include "base/untrustedtext.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kWidest = 720;

} // namespace

NoticeBar::NoticeBar(QWidget* area) : QFrame(area) {
    setObjectName(QStringLiteral("bNoticeBar"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(2);
    message_ = new PlainLabel({}, this);
    verdict_ = new TrustLabel(Trust::Unverified, {}, this);
    quote_ = new QuotedText({}, this);
    for (QLabel* part : std::initializer_list<QLabel*>{message_, verdict_, quote_}) {
        part->setWordWrap(true);
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(part);
    }
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
    setClick({});
    message_->setText(untrustedtext::forLines(text)); // it may name a file
    verdict_->clear();
    quote_->setQuote({});
    showParts(milliseconds);
}

void NoticeBar::showNotice(const QString& text, int milliseconds, std::function<void()> onClick) {
    showNotice(text, milliseconds);
    if (!text.isEmpty())
        setClick(std::move(onClick));
}

void NoticeBar::showNotice(const QString& text, int milliseconds, Trust trust,
                           const QString& verdict) {
    setClick({});
    message_->setText(untrustedtext::forLines(text));
    verdict_->setTrust(trust);
    verdict_->setText(verdict);
    quote_->setQuote({});
    showParts(milliseconds);
}

void NoticeBar::setClick(std::function<void()> onClick) {
    onClick_ = std::move(onClick);
    setAttribute(Qt::WA_TransparentForMouseEvents, !onClick_);
    if (onClick_)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void NoticeBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!onClick_ || event->button() != Qt::LeftButton)
        return QFrame::mouseReleaseEvent(event);
    const std::function<void()> act = std::move(onClick_);
    clearNotice();
    act();
}

void NoticeBar::showVerdict(Trust trust, const QString& verdict, const QString& quote,
                            int milliseconds) {
    setClick({});
    message_->clear();
    verdict_->setTrust(trust);
    verdict_->setText(verdict);
    quote_->setQuote(quote);
    showParts(milliseconds);
}

void NoticeBar::showParts(int milliseconds) {
    for (QLabel* part : std::initializer_list<QLabel*>{message_, verdict_, quote_})
        part->setVisible(!part->text().isEmpty());
    // As the screen shows it: the file's words marked as a quotation, their controls as marks.
    QStringList said;
    for (const QLabel* part : std::initializer_list<const QLabel*>{message_, verdict_, quote_})
        if (!part->text().isEmpty())
            said << (part == quote_ ? quote_->accessibleName() : part->text());
    setAccessibleName(said.join(QLatin1Char('\n')));
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
    setClick({});
    message_->clear();
    verdict_->clear();
    quote_->setQuote({});
    hide();
}

QString NoticeBar::notice() const {
    QStringList lines;
    for (const QString& part : {message_->text(), verdict_->text(), quote_->quote()})
        if (!part.isEmpty())
            lines << part;
    return lines.join(QLatin1Char('\n'));
}

void NoticeBar::place() {
    const QWidget* area = parentWidget();
    const int width = std::min(kWidest, area->width() - 2 * kMargin);
    if (width <= 0)
        return;
    layout()->activate();
    const int height = heightForWidth(width);
    setGeometry((area->width() - width) / 2, kMargin, width,
                height > 0 ? height : sizeHint().height());
}

bool NoticeBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && !isHidden())
        place();
    return QFrame::eventFilter(watched, event);
}
