#include "base/bytestream.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QTest>

using namespace hexgrid;

class TestHexGrid : public QObject {
    Q_OBJECT
private slots:
    void positionAndLabel_data();
    void positionAndLabel();
    void outlineOfFirstHex();
    void pointOrdering();
    void streamForm();
    void labelsAgreeWithOnBoard();
    void positionAndCentreFindTheHexAgain();
};

void TestHexGrid::positionAndLabel_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("label");
    QTest::newRow("0") << 0 << 0 << 0 << QStringLiteral("Hex : A12");
    QTest::newRow("68") << 68 << 0 << 2652 << QStringLiteral("Hex : A80");
    QTest::newRow("69") << 69 << 35 << 19 << QStringLiteral("Hex : B12");
    QTest::newRow("138") << 138 << 70 << 0 << QStringLiteral("Hex : C11");
    QTest::newRow("1656") << 1656 << 840 << 0 << QStringLiteral("Hex : Y0");
    QTest::newRow("1665") << 1665 << 840 << 351 << QStringLiteral("Hex : Y9");
    QTest::newRow("1666") << 1666 << 840 << 390 << QStringLiteral("Hex : Y10");
    QTest::newRow("1725") << 1725 << 875 << 19 << QStringLiteral("Off board");
    QTest::newRow("2966") << 2966 << 1470 << 2652 << QStringLiteral("Off board");
}

void TestHexGrid::positionAndLabel() {
    QFETCH(int, index);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, label);
    const ZeKClick click(index);
    QCOMPARE(click.position().x, x);
    QCOMPARE(click.position().y, y);
    QCOMPARE(QString::fromStdString(click.label()), label);
    QCOMPARE(click.index(), index);
    QCOMPARE(click.hexIndex(), index);
}

void TestHexGrid::outlineOfFirstHex() {
    const HexOutline outline = ZeKClick(0).outline();
    const HexOutline expected{{0, 0}, {24, 0}, {35, 19}, {24, 39}, {0, 39}, {-11, 19}, {0, 0}};
    QCOMPARE(outline.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY(outline[i] == expected[i]);
}

void TestHexGrid::pointOrdering() {
    QVERIFY(AFPoint(3, 9) < AFPoint(4, 0));
    QVERIFY(AFPoint(4, 0) < AFPoint(4, 1));
    QVERIFY(!(AFPoint(4, 1) < AFPoint(4, 1)));
    AFPoint p(1, 2);
    p += AFPoint(10, 20);
    QVERIFY(p == AFPoint(11, 22));
}

void TestHexGrid::streamForm() {
    ByteWriter out;
    ZeKClick(2966).write(out);
    QCOMPARE(out.bytes(), QByteArray::fromHex("960b0000"));
    ZeKClick back(0);
    ByteReader in(out.bytes());
    back.read(in);
    QCOMPARE(back.index(), 2966);
    QVERIFY(in.atEnd());
    QVERIFY_THROWS_EXCEPTION(StreamEndError, back.read(in));
}

void TestHexGrid::labelsAgreeWithOnBoard() {
    for (int i = 0; i < kHexCount; ++i) {
        const std::string label = hexLabel(i);
        QCOMPARE(isOnBoard(i), label != "Off board");
        if (isOnBoard(i)) {
            // Every board label names its column letter and a number 0..80.
            QCOMPARE(label[6], static_cast<char>('A' + columnOf(i)));
            const int number = std::stoi(label.substr(7));
            QVERIFY(number >= 0 && number <= 80);
        }
    }
}

void TestHexGrid::positionAndCentreFindTheHexAgain() {
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex) {
        QCOMPARE(hexgrid::hexAtPosition(hexgrid::hexPosition(hex)), hex);
        QCOMPARE(ZeKClick(hexgrid::hexCentre(hex)).index(), hex);
    }
    for (const AFPoint& notAPosition : {AFPoint{1, 0}, AFPoint{0, 1}, AFPoint{-35, 0}})
        QCOMPARE(hexgrid::hexAtPosition(notAPosition), -1);
}

QTEST_GUILESS_MAIN(TestHexGrid)
#include "tst_hexgrid.moc"
