#include "app/files/turnmail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("TurnMail", text);
}

} // namespace

QString TurnMail::subject() const {
    return QStringLiteral("Korva: ") + title;
}

QString TurnMail::body() const {
    QString text =
        QCoreApplication::translate(
            "TurnMail", "My turn: the move file %1 and its move report %2 are attached.\n")
            .arg(QFileInfo(moveFile).fileName(), QFileInfo(reportFile).fileName());
    if (!turn.isEmpty())
        text += QCoreApplication::translate("TurnMail", "Now: %1.\n").arg(turn);
    text += QLatin1Char('\n');
    if (combats.empty())
        text += QCoreApplication::translate("TurnMail", "No combats this turn.\n");
    else
        text += QCoreApplication::translate("TurnMail", "Combats this turn:\n");
    for (const Combat& combat : combats)
        text +=
            QStringLiteral("%1, die %2: %3\n").arg(combat.hex).arg(combat.die).arg(combat.comment);
    if (!note.isEmpty()) {
        text += QCoreApplication::translate("TurnMail", "\nNote:\n") + note;
        if (!note.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
    }
    return text;
}

QStringList TurnMail::arguments() const {
    // --utf8: the comments may hold any character Windows-1252 has.
    return {QStringLiteral("--utf8"),
            QStringLiteral("--subject"),
            subject(),
            QStringLiteral("--body"),
            body(),
            QStringLiteral("--attach"),
            moveFile,
            QStringLiteral("--attach"),
            reportFile};
}

QString TurnMail::failureMessage(const ProcessLauncher::Outcome& outcome) const {
    QString reason;
    if (!outcome.started) {
        reason = QCoreApplication::translate(
                     "TurnMail", "%1 was not found or could not be run (it comes with the "
                                 "xdg-utils package).")
                     .arg(program());
    } else if (outcome.exitCode != 0) {
        // xdg-email's own exit statuses.
        static const char* const kMeanings[] = {
            nullptr, QT_TRANSLATE_NOOP("TurnMail", "it did not understand its arguments"),
            QT_TRANSLATE_NOOP("TurnMail", "one of the files is missing"),
            QT_TRANSLATE_NOOP("TurnMail", "no e-mail program was found"),
            QT_TRANSLATE_NOOP("TurnMail", "the e-mail program failed")};
        const bool known = outcome.exitCode > 0 && outcome.exitCode <= 4;
        reason = QCoreApplication::translate("TurnMail", "%1 failed (exit status %2%3).")
                     .arg(program())
                     .arg(outcome.exitCode)
                     .arg(known ? QStringLiteral(": ") + translated(kMeanings[outcome.exitCode])
                                : QString());
    } else {
        return {};
    }
    return QCoreApplication::translate("TurnMail", "The e-mail could not be prepared: ") + reason +
           QCoreApplication::translate("TurnMail", "\n\nAttach %1 and %2 by hand; they are in\n%3")
               .arg(QFileInfo(moveFile).fileName(), QFileInfo(reportFile).fileName(),
                    QDir::toNativeSeparators(QFileInfo(moveFile).absolutePath()));
}
