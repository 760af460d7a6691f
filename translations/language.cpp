#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {

const char* const kChosenKey = "language";

// The translators installed now: Korva's and Qt's, replaced as one.
std::unique_ptr<QTranslator>& korvaTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The player's settings, wherever the application's names stand: ~/.config/Korva/Korva.conf.
QSettings settings() {
    return QSettings(QStringLiteral("Korva"), QStringLiteral("Korva"));
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

} // namespace

namespace language {

QStringList available() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("it"), QStringLiteral("fr")};
}

QString nativeName(const QString& code) {
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString pick(const QString& chosen, const QStringList& systemLanguages) {
    const QStringList codes = available();
    if (codes.contains(chosen))
        return chosen;
    for (const QString& wanted : systemLanguages) {
        const QString code =
            wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (codes.contains(code))
            return code;
    }
    return codes.front();
}

QString chosen() {
    return settings().value(QLatin1String(kChosenKey)).toString();
}

void setChosen(const QString& code) {
    QSettings store = settings();
    if (code.isEmpty())
        store.remove(QLatin1String(kChosenKey));
    else
        store.setValue(QLatin1String(kChosenKey), code);
}

QString install(const QString& code) {
    const QString spoken = available().contains(code) ? code : available().front();
    auto korva = std::make_unique<QTranslator>();
    if (!korva->load(QStringLiteral(":/translations/korva_%1.qm").arg(spoken)))
        korva.reset();
    replace(korvaTranslator(), std::move(korva));
    auto qt = std::make_unique<QTranslator>();
    if (spoken == available().front() ||
        !qt->load(QStringLiteral("qtbase_%1").arg(spoken),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();
    replace(qtTranslator(), std::move(qt));
    // Numbers and dates follow a chosen language the system's locale does not speak; English
    // keeps the system's, as Korva always did.
    const bool systemSpeaksIt = QLocale::system().language() == QLocale(spoken).language();
    QLocale::setDefault(spoken == available().front() || systemSpeaksIt ? QLocale::system()
                                                                        : QLocale(spoken));
    return spoken;
}

QString installPreferred() {
    return install(pick(chosen(), QLocale::system().uiLanguages()));
}

} // namespace language
