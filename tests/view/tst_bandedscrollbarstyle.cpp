#include "app/mainwindow/bandedscrollbarstyle.h"

#include <QScrollBar>
#include <QTest>

// The map's scroll bars are drawn band by band for speed; they must look as before.
class TestBandedScrollBarStyle : public QObject {
    Q_OBJECT
private slots:
    void looksAsTheApplicationStyle_data();
    void looksAsTheApplicationStyle();
};

void TestBandedScrollBarStyle::looksAsTheApplicationStyle_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("at the top") << 0;
    QTest::newRow("in the middle") << 1300;
    QTest::newRow("at the bottom") << 2720;
}

void TestBandedScrollBarStyle::looksAsTheApplicationStyle() {
    QFETCH(int, value);
    const auto shot = [value](QStyle* style) {
        QScrollBar bar(Qt::Vertical);
        if (style)
            bar.setStyle(style);
        bar.setRange(0, 2720);
        bar.setPageStep(1080);
        bar.setValue(value);
        bar.resize(15, 1080);
        return bar.grab().toImage();
    };
    BandedScrollBarStyle banded;
    const QImage plain = shot(nullptr);
    QVERIFY(!plain.isNull());
    QCOMPARE(shot(&banded), plain);
}

QTEST_MAIN(TestBandedScrollBarStyle)
#include "tst_bandedscrollbarstyle.moc"
