#include "translations/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void theLanguageSpoken_data();
    void theLanguageSpoken();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void eachTranslationLoads();

private:
    QTemporaryDir current_;
};

namespace {

// The placeholders a translation must keep: %1…%99, %n, and a single & that marks an
// accelerator (not "&&", not an entity such as &lt;).
QStringList placeholders(const QString& text) {
    static const QRegularExpression marks(
        QStringLiteral(R"(%L?(?:\d{1,2}|n)|&&|&(?:[a-zA-Z]+|#\d+);|&)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text)) {
        const QString mark = match.captured();
        if (mark.startsWith(QLatin1Char('%')) || mark == QLatin1String("&"))
            found << mark;
    }
    found.sort();
    return found;
}

struct Message {
    QString context;
    QString source;
    QStringList translations; // one per plural form
    bool unfinished = false;
};

std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Message> messages;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, false});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (!numerus)
                messages.back().translations << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.back().translations << xml.readElementText();
        }
    }
    return messages;
}

} // namespace

void TestTranslations::initTestCase() {
    // lupdate over today's sources, into copies: a text added since the files were last
    // brought up to date shows as unfinished.
    QVERIFY(current_.isValid());
    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(KORVA_LUPDATE));
    update.setProcessEnvironment(environment);
    update.start(
        QStringLiteral("bash"),
        {QStringLiteral(KORVA_SOURCE_DIR "/scripts/update-translations.sh"), current_.path()});
    QVERIFY(update.waitForFinished(120000));
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
}

void TestTranslations::theLanguageSpoken_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("system"); // the system's preferred languages, first first
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char* name, const char* chosen, const char* system,
                        const char* spoken) {
        QTest::newRow(name) << QString::fromLatin1(chosen) << QString::fromLatin1(system)
                            << QString::fromLatin1(spoken);
    };
    row("the system's", "", "de-DE en-US", "de");
    row("the first the system has that Korva has", "", "pt-BR it_IT", "it");
    row("none Korva has: English", "", "pt-BR", "en");
    row("C locale", "", "C", "en");
    row("the player's choice first", "fr", "de-DE", "fr");
    row("a choice Korva lacks", "xx", "it-IT", "it");
}

void TestTranslations::theLanguageSpoken() {
    QFETCH(QString, chosen);
    QFETCH(QString, system);
    QFETCH(QString, spoken);
    QCOMPARE(language::pick(chosen, system.split(QLatin1Char(' '))), spoken);
}

void TestTranslations::everyTextTranslated_data() {
    QTest::addColumn<QString>("code");
    for (const QString& code : language::available())
        QTest::newRow(qPrintable(code)) << code;
}

void TestTranslations::everyTextTranslated() {
    QFETCH(QString, code);
    const std::vector<Message> messages =
        messagesOf(current_.filePath(QStringLiteral("korva_%1.ts").arg(code)));
    QVERIFY(!messages.empty());
    QStringList faults;
    for (const Message& message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        if (message.unfinished) {
            faults << QStringLiteral("unfinished: ") + where;
            continue;
        }
        const QStringList inSource = placeholders(message.source);
        for (qsizetype i = 0; i < message.translations.size(); ++i) {
            const QString& translation = message.translations[i];
            QStringList wanted = inSource;
            // A singular may say "one" for %n ("the one roll verified").
            if (i == 0 && message.translations.size() > 1 &&
                !translation.contains(QLatin1Char('%')))
                wanted.removeAll(QStringLiteral("%n"));
            if (placeholders(translation) != wanted)
                faults << QStringLiteral("placeholders differ: ") + where + QStringLiteral(" -> ") +
                              translation;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::eachTranslationLoads() {
    // What the program carries, not the copies: each language's .qm loads and differs from
    // English.
    for (const QString& code : language::available()) {
        QCOMPARE(language::install(code), code);
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(":/translations/korva_%1.qm").arg(code)),
                 qPrintable(code));
    }
    language::install(QStringLiteral("de"));
    QVERIFY(QCoreApplication::translate("CommandTable", "Undo last move") !=
            QLatin1String("Undo last move"));
    language::install(QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("CommandTable", "Undo last move"),
             QStringLiteral("Undo last move"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
