#include "app/shell/plaintext.h"

#include <QTest>

// A file's name or text in a line, a caption, a menu or a tool tip: seen letter for letter,
// never reordering the words around it nor acting as markup, a key or a placeholder.
class TestPlainText : public QObject {
    Q_OBJECT
private slots:
    void shown_data();
    void shown();
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

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"
