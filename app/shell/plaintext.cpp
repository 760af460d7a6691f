#include "app/shell/plaintext.h"

#include "base/untrustedtext.h"

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

namespace plaintext {

QString toolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    QString escaped = untrustedtext::forLines(text).toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<p style='white-space:pre'>") + escaped + QStringLiteral("</p>");
}

void setToolTip(QWidget& widget, const QString& text) {
    widget.setToolTip(toolTip(text));
    widget.setAccessibleDescription(untrustedtext::forLines(text));
}

QString name(const QString& text) {
    const QString shown = untrustedtext::forLine(text);
    for (const QChar c : shown) {
        const QChar::Direction direction = c.direction();
        if (direction == QChar::DirR || direction == QChar::DirAL)
            return QChar(0x2068) + shown + QChar(0x2069); // first strong isolate ... pop
    }
    return shown;
}

QString caption(const QString& text) {
    QString shown = untrustedtext::forLine(text);
    return shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString menuText(const QString& text) {
    QString shown = name(text);
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace plaintext
