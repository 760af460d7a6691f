#include "base/bytestream.h"
#include "base/win1252.h"

#include <QTest>

class TestWin1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void knownCharacters();
    void textStreamLimits();
};

void TestWin1252::everyByteRoundTrips() {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = win1252::toUnicode(all);
    QCOMPARE(text.size(), 255);
    QVERIFY(win1252::canEncode(text));
    QCOMPARE(win1252::fromUnicode(text), all);
}

void TestWin1252::knownCharacters() {
    QCOMPARE(win1252::toUnicode("\x80"), QString(QChar(0x20AC)));
    QCOMPARE(win1252::fromUnicode(QStringLiteral("\u00e9t\u00e9 \u2013 \u20ac5")),
             std::string("\xe9t\xe9 \x96 \x80"
                         "5"));
    QVERIFY(!win1252::canEncode(QStringLiteral("\u0416")));
    QCOMPARE(win1252::fromUnicode(QStringLiteral("a\u0416b")), std::string("a?b"));
}

void TestWin1252::textStreamLimits() {
    ByteWriter out;
    out.writeText("");
    out.writeText(std::string("ab\0cd", 5));
    QCOMPARE(out.bytes().left(5), QByteArray("\0\0\0\0\0", 5));
    ByteReader in(out.bytes());
    QCOMPARE(in.readText(10, "a text"), std::string());
    QCOMPARE(in.readText(10, "a text"), std::string("ab"));
    QVERIFY(in.atEnd());

    ByteWriter longer;
    longer.writeText("abcdef");
    ByteReader tooLong(longer.bytes());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, tooLong.readText(5, "a text"));
    ByteReader cut(QByteArrayView(longer.bytes()).first(7));
    QVERIFY_THROWS_EXCEPTION(StreamEndError, cut.readText(80, "a text"));
}

QTEST_GUILESS_MAIN(TestWin1252)
#include "tst_win1252.moc"
