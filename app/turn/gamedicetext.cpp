#include "app/turn/gamedicetext.h"

#include "app/shell/turntext.h"
#include "base/untrustedtext.h"
#include "base/win1252.h"
#include "geometry/hexgrid.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <climits>

namespace {

// A count for %Ln, which takes an int. (Kept out of the translate() calls: lupdate's parser
// loops on a template argument list inside one.)
int countOf(std::size_t count) {
    return int(std::min<std::size_t>(count, INT_MAX));
}

std::optional<Side> sideOf(const GameRoll& roll) {
    return roll.turn ? std::optional<Side>(roll.turn->toMove) : std::nullopt;
}

} // namespace

QString gamedicetext::hexOf(const GameRoll& roll) {
    if (roll.hex < 0)
        return QCoreApplication::translate("GameDice", "no hex");
    const QString label = QString::fromStdString(hexgrid::hexLabel(roll.hex));
    const QString prefix = QStringLiteral("Hex : ");
    return label.startsWith(prefix) ? label.mid(prefix.size()) : label;
}

QString gamedicetext::turnOf(const GameRoll& roll) {
    if (!roll.turn)
        return QCoreApplication::translate("GameDice", "Turn unknown");
    return QCoreApplication::translate("GameDice", "Turn %1 · %2")
        .arg(roll.turn->number)
        .arg(sideName(roll.turn->toMove));
}

QString gamedicetext::playerOf(const GameRoll& roll, const GameDiceLog& log, const Shown& shown) {
    if (roll.mine)
        return QCoreApplication::translate("GameDice", "you");
    std::optional<Side> side = sideOf(roll);
    if (!side && log.mySide)
        side = otherSide(*log.mySide);
    const QString name = side ? log.players.of(*side) : QString();
    return name.isEmpty() ? QCoreApplication::translate("GameDice", "opponent") : shown(name);
}

QString gamedicetext::verdictOf(const GameRoll& roll, const Shown& shown) {
    return roll.verdict ? roll.verdict->text(shown) : QString();
}

QString gamedicetext::whoseRolls(bool mine, const GameDiceLog& log, const Shown& shown) {
    const std::optional<Side> side =
        log.mySide ? std::optional<Side>(mine ? *log.mySide : otherSide(*log.mySide))
                   : std::nullopt;
    const QString name = side ? log.players.of(*side) : QString();
    if (mine)
        return name.isEmpty()
                   ? QCoreApplication::translate("GameDice", "Your rolls")
                   : QCoreApplication::translate("GameDice", "%1 (you)").arg(shown(name));
    // Alone, a name would stand as a heading of Korva's.
    return name.isEmpty() ? QCoreApplication::translate("GameDice", "Your opponent's rolls")
                          : QCoreApplication::translate("GameDice", "Rolls of %1").arg(shown(name));
}

QString gamedicetext::summaryOf(const FaceCounts& faces) {
    const int total = faces.total();
    QStringList counts;
    for (int face = 1; face <= 6; ++face)
        counts << QCoreApplication::translate("GameDice", "%1: %2")
                      .arg(face)
                      .arg(QLocale().toString(faces.counts[std::size_t(face - 1)]));
    QString text = QCoreApplication::translate("GameDice", "%Ln roll(s)", nullptr, total);
    if (total == 0)
        return text;
    text += QStringLiteral("; ") + counts.join(QStringLiteral(", "));
    if (total >= dicestats::kFewestToTell)
        text += QStringLiteral("; ") +
                QCoreApplication::translate("GameDice", "chi-square %1")
                    .arg(QLocale().toString(dicestats::fairnessOf(faces).chiSquare, 'f', 1));
    return text + QStringLiteral(": ") + dicestats::fairnessText(faces);
}

QString gamedicetext::summaryOf(bool mine, const GameDiceLog& log) {
    if (mine)
        return summaryOf(log.mine);
    QString text = summaryOf(log.theirs);
    if (log.theirs.total() == 0)
        return text;
    return text + QLatin1Char('\n') +
           QCoreApplication::translate("GameDice", "Verified: %1")
               .arg(summaryOf(log.theirsVerified)) +
           QLatin1Char('\n') +
           QCoreApplication::translate("GameDice", "Not verified: %1")
               .arg(summaryOf(log.theirsUnverified));
}

QString gamedicetext::leftOutText(const GameDiceLog& log) {
    QStringList notes;
    if (log.leftOut > 0)
        notes << QCoreApplication::translate("GameDice",
                                             "%Ln roll(s) that the files list but no combat of "
                                             "theirs accounts for were left out.",
                                             nullptr, countOf(log.leftOut));
    if (log.notRead > 0)
        notes << QCoreApplication::translate("GameDice",
                                             "%Ln further roll(s) were not read: the log reads at "
                                             "most %1.",
                                             nullptr, countOf(log.notRead))
                     .arg(QLocale().toString(qulonglong(GameDiceLog::kMaxRolls)));
    return notes.join(QLatin1Char(' '));
}

QString gamedicetext::forTerminal(const GameDiceLog& log) {
    const QString leftOut = leftOutText(log);
    if (log.rolls.empty())
        return QCoreApplication::translate("GameDice",
                                           "No rolls of this game are in the history.") +
               QLatin1Char('\n') + (leftOut.isEmpty() ? QString() : leftOut + QLatin1Char('\n'));
    QString text;
    for (const GameRoll& roll : log.rolls) {
        QStringList fields;
        fields << turnOf(roll) << playerOf(roll, log, &untrustedtext::quotedForTerminal)
               << (roll.number ? QCoreApplication::translate("GameDice", "roll %1").arg(roll.number)
                               : QCoreApplication::translate("GameDice", "no roll"))
               << hexOf(roll) << QCoreApplication::translate("GameDice", "die %1").arg(roll.die)
               << untrustedtext::forTerminal(win1252::toUnicode(roll.comment));
        if (!roll.mine)
            fields << verdictOf(roll, &untrustedtext::quotedForTerminal);
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    for (const bool mine : {true, false})
        text += whoseRolls(mine, log, &untrustedtext::quotedForTerminal) + QStringLiteral(": ") +
                summaryOf(mine, log).replace(QLatin1Char('\n'), QStringLiteral("\n  ")) +
                QLatin1Char('\n');
    if (!leftOut.isEmpty())
        text += leftOut + QLatin1Char('\n');
    return text;
}
