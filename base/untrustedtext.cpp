#include "base/untrustedtext.h"

#include <QList>

namespace {

bool isBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Characters that take no room or show as blank while being letters to the program.
bool isInvisible(char32_t c) {
    return c == 0x00AD || c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5 ||
           c == 0x180E || (c >= 0x200B && c <= 0x200D) || (c >= 0x2060 && c <= 0x2064) ||
           c == 0x2028 || c == 0x2029 || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) ||
           c == 0xFEFF || c == 0xFFA0 || (c >= 0xE0000 && c <= 0xE007F) ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

QString codePoint(char32_t c) {
    return QStringLiteral("U+") +
           QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

void appendChar(QString& out, char32_t c) {
    out.append(QString::fromUcs4(&c, 1));
}

// Where the isolate opened at `i` closes, when chars[i-1..i] open a quotation as quoted()
// makes it and nothing between the two isolates is one; else -1.
qsizetype quotationEnd(const QList<uint>& chars, qsizetype i) {
    if (i == 0 || chars[i - 1] != 0x201C || chars[i] != 0x2068)
        return -1;
    for (qsizetype j = i + 1; j < chars.size(); ++j) {
        if (chars[j] >= 0x2066 && chars[j] <= 0x2069)
            return chars[j] == 0x2069 && j + 1 < chars.size() && chars[j + 1] == 0x201D ? j : -1;
    }
    return -1;
}

QString shown(const QString& text, bool keepLineBreaks, bool keepQuotations = true) {
    QString out;
    out.reserve(text.size());
    const QList<uint> chars = text.toUcs4();
    qsizetype quotationClose = -1;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        // A quotation Korva made passes whole: what is inside is marked already, and its
        // isolate keeps right-to-left letters from turning the line around it.
        if (const qsizetype end = keepQuotations ? quotationEnd(chars, i) : -1;
            end >= 0 || i == quotationClose) {
            quotationClose = end >= 0 ? end : -1;
            appendChar(out, c);
            continue;
        }
        // A line end written on Windows ends one line, not two marks.
        if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n')
            continue;
        if (c == U'\n' && keepLineBreaks) {
            out.append(QLatin1Char('\n'));
        } else if (c == U'\n') {
            out.append(QChar(0x21B5));
        } else if (c < 0x20) {
            out.append(QChar(char16_t(0x2400 + c)));
        } else if (c == 0x7F) {
            out.append(QChar(0x2421));
        } else if (untrustedtext::isActing(c)) {
            out.append(QLatin1Char('<') + codePoint(c) + QLatin1Char('>'));
        } else {
            appendChar(out, c);
        }
    }
    return out;
}

} // namespace

bool untrustedtext::isActing(char32_t c) {
    return isControl(c) || isBidiControl(c) || isInvisible(c);
}

bool untrustedtext::holdsActing(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (isActing(c))
            return true;
    return false;
}

QString untrustedtext::forTerminal(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'\\':
            out.append(QStringLiteral("\\\\"));
            continue;
        case 0x1B:
            out.append(QStringLiteral("\\e"));
            continue;
        case U'\r':
            out.append(QStringLiteral("\\r"));
            continue;
        case U'\n':
            out.append(QStringLiteral("\\n"));
            continue;
        case U'\t':
            out.append(QStringLiteral("\\t"));
            continue;
        default:
            break;
        }
        if (c <= 0xFF && isControl(c))
            out.append(QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0')));
        else if (isActing(c))
            out.append(
                QStringLiteral("\\u%1").arg(uint(c), c > 0xFFFF ? 8 : 4, 16, QLatin1Char('0')));
        else
            appendChar(out, c);
    }
    return out;
}

QString untrustedtext::forLine(const QString& text) {
    return shown(text, false);
}

QString untrustedtext::forLines(const QString& text) {
    return shown(text, true);
}

QString untrustedtext::quoted(const QString& text) {
    // The file's own text holds no quotation of Korva's.
    QString line = shown(text, false, false);
    for (const char16_t mark : {u'\u201C', u'\u201D', u'\u201E', u'\u201F'})
        line.replace(QChar(mark), QLatin1Char('"'));
    return QStringLiteral("\u201C\u2068") + line + QStringLiteral("\u2069\u201D");
}

QString untrustedtext::quotedForTerminal(const QString& text) {
    return QLatin1Char('"') + forTerminal(text).replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
           QLatin1Char('"');
}
