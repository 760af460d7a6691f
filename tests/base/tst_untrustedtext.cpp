#include "base/untrustedtext.h"

#include <QTest>

// A file's text shown on a terminal or in the window: whatever it holds, it is seen and never
// obeyed.
class TestUntrustedText : public QObject {
    Q_OBJECT
private slots:
    void shown_data();
    void shown();
    void quoted_data();
    void quoted();
};

void TestUntrustedText::shown_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("lines");
    const QString plain = QStringLiteral("Alice's turn 5 \u00e9");
    QTest::newRow("plain") << plain << plain << plain << plain;
    QTest::newRow("forged verdict on its own line")
        << QStringLiteral("x\x1b[2K\rall 4 rolls verified\n\x1b[8m")
        << QStringLiteral("x\\e[2K\\rall 4 rolls verified\\n\\e[8m")
        << QStringLiteral("x\u241b[2K\u240dall 4 rolls verified\u21b5\u241b[8m")
        << QStringLiteral("x\u241b[2K\u240dall 4 rolls verified\n\u241b[8m");
    QTest::newRow("windows line end, title change")
        << QStringLiteral("a\r\nb\x1b]0;t\x07") << QStringLiteral("a\\r\\nb\\e]0;t\\x07")
        << QStringLiteral("a\u21b5b\u241b]0;t\u2407") << QStringLiteral("a\nb\u241b]0;t\u2407");
    QTest::newRow("C1 CSI, DEL and a backslash")
        << QStringLiteral("\u009b2J\u007f\\") << QStringLiteral("\\x9b2J\\x7f\\\\")
        << QStringLiteral("<U+009B>2J\u2421\\") << QStringLiteral("<U+009B>2J\u2421\\");
    QTest::newRow("right-to-left override and isolates")
        << QStringLiteral("turn\u202Evrk.exe\u2066x\u2069")
        << QStringLiteral("turn\\u202evrk.exe\\u2066x\\u2069")
        << QStringLiteral("turn<U+202E>vrk.exe<U+2066>x<U+2069>")
        << QStringLiteral("turn<U+202E>vrk.exe<U+2066>x<U+2069>");
    QTest::newRow("quotation marks around isolates")
        << QStringLiteral("\u201C\u2068a\u2066\u2069\u201D")
        << QStringLiteral("\u201C\\u2068a\\u2066\\u2069\u201D")
        << QStringLiteral("\u201C<U+2068>a<U+2066><U+2069>\u201D")
        << QStringLiteral("\u201C<U+2068>a<U+2066><U+2069>\u201D");
    QTest::newRow("invisible letters")
        << QStringLiteral("Bob\u3164\u115F\u034F") << QStringLiteral("Bob\\u3164\\u115f\\u034f")
        << QStringLiteral("Bob<U+3164><U+115F><U+034F>")
        << QStringLiteral("Bob<U+3164><U+115F><U+034F>");
}

void TestUntrustedText::shown() {
    QFETCH(QString, text);
    QTEST(untrustedtext::forTerminal(text), "terminal");
    QTEST(untrustedtext::forLine(text), "line");
    QTEST(untrustedtext::forLines(text), "lines");
    QCOMPARE(untrustedtext::holdsActing(text), QByteArray(QTest::currentDataTag()) != "plain");
}

// A name inside Korva's sentence cannot close its quotation early, nor turn the line around.
void TestUntrustedText::quoted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("terminal");
    QTest::newRow("you") << QStringLiteral("you") << QStringLiteral("\u201C\u2068you\u2069\u201D")
                         << QStringLiteral("\"you\"");
    QTest::newRow("closing quotes") << QStringLiteral("a\u201D ok; \u201C\"b")
                                    << QStringLiteral("\u201C\u2068a\" ok; \"\"b\u2069\u201D")
                                    << QStringLiteral("\"a\u201D ok; \u201C\\\"b\"");
    QTest::newRow("right to left") << QStringLiteral("\u05d0\u05d1 12")
                                   << QStringLiteral("\u201C\u2068\u05d0\u05d1 12\u2069\u201D")
                                   << QStringLiteral("\"\u05d0\u05d1 12\"");
    QTest::newRow("a quotation of its own")
        << QStringLiteral("\u201C\u2068x\u2069\u201D")
        << QStringLiteral("\u201C\u2068\"<U+2068>x<U+2069>\"\u2069\u201D")
        << QStringLiteral("\"\u201C\\u2068x\\u2069\u201D\"");
    QTest::newRow("column and escape")
        << QStringLiteral("X | \\\" | \x1b")
        << QStringLiteral("\u201C\u2068X | \\\" | \u241b\u2069\u201D")
        << QStringLiteral("\"X | \\\\\\\" | \\e\"");
}

void TestUntrustedText::quoted() {
    QFETCH(QString, text);
    QTEST(untrustedtext::quoted(text), "line");
    // Shown again within a longer line, a quotation stays as it was.
    QFETCH(QString, line);
    QCOMPARE(untrustedtext::forLines(QStringLiteral("a ") + line + QStringLiteral(" b")),
             QStringLiteral("a ") + line + QStringLiteral(" b"));
    QTEST(untrustedtext::quotedForTerminal(text), "terminal");
}

QTEST_GUILESS_MAIN(TestUntrustedText)
#include "tst_untrustedtext.moc"
