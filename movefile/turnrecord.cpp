#include "movefile/turnrecord.h"

QString cleanPlayerName(const QString& name) {
    QString clean;
    for (const QChar c : name) {
        const QChar::Category category = c.category();
        if (category != QChar::Other_Control && category != QChar::Other_Format &&
            category != QChar::Separator_Line && category != QChar::Separator_Paragraph)
            clean += c;
    }
    clean = clean.trimmed().left(PlayerNames::kMaxLength);
    // A surrogate pair cut in two would be no text at all.
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    return clean.trimmed();
}
