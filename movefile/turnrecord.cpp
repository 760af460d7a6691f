#include "movefile/turnrecord.h"

#include "base/untrustedtext.h"

#include <QList>

bool mayBeInPlayerName(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return !untrustedtext::isActing(c) && category != QChar::Other_Control &&
           category != QChar::Other_Format && category != QChar::Other_Surrogate &&
           category != QChar::Separator_Line && category != QChar::Separator_Paragraph;
}

QString cleanPlayerName(const QString& name) {
    QString clean;
    for (const char32_t c : name.toUcs4())
        if (mayBeInPlayerName(c))
            clean.append(QString::fromUcs4(&c, 1));
    clean = clean.trimmed().left(PlayerNames::kMaxLength);
    // A surrogate pair cut in two would be no text at all.
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    return clean.trimmed();
}
