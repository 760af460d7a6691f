#include "translations/language.h"

#include <QCoreApplication>

namespace {

// The tests read Korva's English as the program shows it, plural forms included: those come
// from the English translation, which the program installs at its start.
void installEnglish() {
    language::install(QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglish)
