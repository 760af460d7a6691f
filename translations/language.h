#pragma once

#include <QString>
#include <QStringList>

// The language Korva speaks: the player's choice if one was made (Language…), else the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them), else English.
namespace language {

// The languages Korva has texts in, as ISO 639-1 codes, English first.
QStringList available();
// The language's own name ("Deutsch"), for the choice.
QString nativeName(const QString& code);

// The language to speak: `chosen` when Korva has it, else the first of the system's
// preferred languages (Qt's "de-DE" or "de_DE" forms) that Korva has, else English.
QString pick(const QString& chosen, const QStringList& systemLanguages);

// The choice remembered in the player's settings; empty for "as the system".
QString chosen();
void setChosen(const QString& code);

// Loads the language's texts, and Qt's own for its standard buttons, into the running
// application (there must be one); English needs only its plural forms. Returns the code
// of the language now spoken. A second call replaces the first's.
QString install(const QString& code);
// install(pick(chosen(), the system's languages)): what every Korva does once it has an
// application.
QString installPreferred();

} // namespace language
