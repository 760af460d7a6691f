#include "base/safesave.h"
#include "history/gamehistory.h"
#include "history/gamelisttext.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilereader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>

namespace {

// Marks every text it is asked for, with a character outside ASCII so that a reason carried
// in an exception must keep its encoding to arrive marked.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("Ü:") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

QString refusal(const QByteArray& bytes) {
    try {
        parseMoveFile(bytes);
    } catch (const MoveFileError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

class TstTranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void layersSpeakThePlayersLanguage() {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QTemporaryDir folder;
        const QDateTime then = QDateTime::currentDateTimeUtc();
        const struct {
            const char* what;
            std::function<QString()> text;
            QString expected;
        } cases[] = {
            {"a refused move file", [] { return refusal(QByteArray(12, '\0')); },
             QStringLiteral("Ü:this is not a move file (wrong counters section mark)")},
            {"a reason made of pieces", [] { return refusal(QByteArray(2, '\0')); },
             QStringLiteral("Ü:the file ends inside Ü:the mark of the counters section")},
            {"a damaged Korva block", [] { return parseKorvaExtension("KORVAEXT").damage; },
             QStringLiteral("Ü:it ends inside its header")},
            {"a failed save",
             [&] {
                 QString error;
                 saveFileSafely(folder.path(), "x", &error);
                 return error.replace(QDir::toNativeSeparators(folder.path()), QStringLiteral("F"));
             },
             QStringLiteral("Ü:F is a folder")},
            {"a history refusal",
             [] {
                 return GameHistory(QString()).record("x", std::nullopt, QStringLiteral("a.krv"),
                                                      HistoryEntry::Kind::Opened);
             },
             QStringLiteral("Ü:The game's history kept no copy of a.krv: Ü:this system has no "
                            "folder for application data.")},
            {"a plural", [&] { return gamelisttext::ago(then, then.addSecs(3 * 3600)); },
             QStringLiteral("Ü:3 hour(s) ago")},
        };
        for (const auto& c : cases)
            QVERIFY2(c.text() == c.expected,
                     qPrintable(c.text() + QStringLiteral(" | ") + QString::fromLatin1(c.what)));
        QCoreApplication::removeTranslator(&marking);
    }
};

QTEST_MAIN(TstTranslatedTexts)
#include "tst_translatedtexts.moc"
