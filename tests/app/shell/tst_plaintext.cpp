#include "app/shell/noticebar.h"
#include "app/shell/plaintext.h"
#include "app/shell/trustlabel.h"
#include "dice/diceverdict.h"

#include <QTest>

// A file's name or text in a line, a caption, a menu or a tool tip: seen letter for letter,
// never reordering the words around it nor acting as markup, a key or a placeholder.
class TestPlainText : public QObject {
    Q_OBJECT
private slots:
    void shown_data();
    void shown();
    void readOutAsShown();
    void oneBadgePerVerdict_data();
    void oneBadgePerVerdict();
};

void TestPlainText::shown_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("menu");
    const QString plain = QStringLiteral("turn 5 & more");
    QTest::newRow("plain") << plain << plain << plain << QStringLiteral("turn 5 && more");
    QTest::newRow("override and a line break")
        << QStringLiteral("a\u202Eb\nc[*]") << QStringLiteral("a<U+202E>b\u21b5c[*]")
        << QStringLiteral("a<U+202E>b\u21b5c[*][*]") << QStringLiteral("a<U+202E>b\u21b5c[*]");
    // Right-to-left letters are the player's to have, kept within an isolate of their own.
    const QString hebrew = QStringLiteral("\u05E9\u05DC\u05D5\u05DD 2");
    const QString isolated = QChar(0x2068) + hebrew + QChar(0x2069);
    QTest::newRow("right-to-left letters") << hebrew << isolated << hebrew << isolated;
}

void TestPlainText::shown() {
    QFETCH(QString, text);
    QTEST(plaintext::name(text), "name");
    QTEST(plaintext::caption(text), "caption");
    QTEST(plaintext::menuText(text), "menu");
    // A tool tip keeps the lines, marks the rest and escapes markup.
    const QString tip = plaintext::toolTip(text + QStringLiteral("\n<b>"));
    QVERIFY(tip.contains(QStringLiteral("<br>&lt;b&gt;")));
    QVERIFY(!tip.contains(QChar(0x202E)));
}

// A screen reader hears what the screen shows: the file's words quoted, controls as marks.
void TestPlainText::readOutAsShown() {
    QWidget area;
    area.resize(600, 400);
    NoticeBar notice(&area);
    notice.showVerdict(Trust::Verified, QStringLiteral("roll 1, verified"),
                       QStringLiteral("x\r\n\x1b[2Kall 4 rolls verified\x07"));
    QCOMPARE(notice.accessibleName(),
             QStringLiteral("roll 1, verified\n\u201C\u2068x\u21b5\u241b[2Kall 4 rolls "
                            "verified\u2407\u2069\u201D"));
}

// Every view reads a verdict or a roll the same way.
void TestPlainText::oneBadgePerVerdict_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("trust");
    using K = DiceVerdict::Kind;
    QTest::newRow("verified") << int(K::Verified) << int(Trust::Verified);
    QTest::newRow("mismatch") << int(K::Mismatch) << int(Trust::Refuted);
    QTest::newRow("missing") << int(K::Missing) << int(Trust::Refuted);
    QTest::newRow("withheld") << int(K::Withheld) << int(Trust::Refuted);
    QTest::newRow("unverifiable") << int(K::Unverifiable) << int(Trust::Unverified);
}

void TestPlainText::oneBadgePerVerdict() {
    QFETCH(int, kind);
    DiceVerdict verdict;
    verdict.kind = DiceVerdict::Kind(kind);
    QTEST(int(trustOf(verdict)), "trust");
    QCOMPARE(trustOf(RollMark{3, false, true}, true), Trust::Refuted);
    QCOMPARE(trustOf(RollMark{3, true, false}, true), Trust::Verified);
    QCOMPARE(trustOf(RollMark{3, false, false}, true), Trust::Unverified);
}

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"
