#include "game/savename.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace savename {

namespace {

constexpr qsizetype kMaxGameName = 40;

} // namespace

QString fileNamePart(const QString& name) {
    QString part;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-'))
            part += c;
        else if (!part.endsWith(QLatin1Char('_')))
            part += QLatin1Char('_');
    }
    // Never a name that starts like an option. (A character outside the basic plane comes
    // as two halves, neither a letter on its own: it becomes "_" and is never cut.)
    const auto trim = [&part] {
        while (!part.isEmpty() &&
               (part.front() == QLatin1Char('_') || part.front() == QLatin1Char('-')))
            part.remove(0, 1);
        while (part.endsWith(QLatin1Char('_')))
            part.chop(1);
    };
    trim();
    part.truncate(kMaxGameName);
    trim();
    return part.isEmpty() ? QStringLiteral("korva") : part;
}

QString gameNameOf(const QString& fileName) {
    QString title = QFileInfo(fileName).fileName();
    if (title.endsWith(QStringLiteral(".krv"), Qt::CaseInsensitive))
        title.chop(4);
    static const QRegularExpression added(QStringLiteral("_t\\d+_(allies|axis)(_\\d+)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    title.remove(added);
    return fileNamePart(title);
}

QString proposedName(const QString& gameName, const std::optional<TurnRecord>& turn,
                     const QString& avoid) {
    QString base = fileNamePart(gameName);
    if (turn)
        base += QStringLiteral("_t%1_%2")
                    .arg(turn->number, 2, 10, QLatin1Char('0'))
                    .arg(turn->toMove == Side::First ? QStringLiteral("allies")
                                                     : QStringLiteral("axis"));
    const QString name = base + QStringLiteral(".krv");
    return name == avoid ? base + QStringLiteral("_2.krv") : name;
}

} // namespace savename
