#include "app/shell/plaintext.h"

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

namespace plaintext {

QString toolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<p style='white-space:pre'>") + escaped + QStringLiteral("</p>");
}

QString caption(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString menuText(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace plaintext
