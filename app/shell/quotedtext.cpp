#include "app/shell/quotedtext.h"

#include "base/untrustedtext.h"

#include <QPainter>

namespace {

constexpr int kBar = 3;
constexpr int kIndent = 12;

} // namespace

QuotedText::QuotedText(const QString& quote, QWidget* parent) : PlainLabel({}, parent) {
    setObjectName(QStringLiteral("bQuote"));
    QFont italic = font();
    italic.setItalic(true);
    italic.setBold(false);
    setFont(italic);
    setContentsMargins(kIndent, 0, 0, 0);
    setQuote(quote);
}

void QuotedText::setQuote(const QString& quote) {
    quote_ = quote;
    setText(untrustedtext::forLines(quote));
    // Read out, it must not pass for Korva's own words either.
    setAccessibleName(quote.isEmpty() ? QString() : untrustedtext::quoted(quote));
}

void QuotedText::paintEvent(QPaintEvent* event) {
    PlainLabel::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(kBar, 0, kBar, height()), palette().color(QPalette::Mid));
}
