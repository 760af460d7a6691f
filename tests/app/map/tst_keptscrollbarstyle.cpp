#include "app/map/keptscrollbarstyle.h"

#include <QScrollBar>
#include <QTest>

// The map's scroll bars are painted from kept pictures for speed; they must look as the
// application's style draws them, wherever the handle is and after it moved.
class TestKeptScrollBarStyle : public QObject {
    Q_OBJECT
private slots:
    void looksAsTheApplicationStyle_data();
    void looksAsTheApplicationStyle();
};

void TestKeptScrollBarStyle::looksAsTheApplicationStyle_data() {
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("disabled");
    QTest::newRow("at the top") << Qt::Vertical << 0 << false;
    QTest::newRow("in the middle") << Qt::Vertical << 1300 << false;
    QTest::newRow("at the bottom") << Qt::Vertical << 2720 << false;
    QTest::newRow("across, near the end") << Qt::Horizontal << 2500 << false;
    QTest::newRow("disabled") << Qt::Vertical << 700 << true;
}

void TestKeptScrollBarStyle::looksAsTheApplicationStyle() {
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, value);
    QFETCH(bool, disabled);
    KeptScrollBarStyle kept;
    QScrollBar plainBar(orientation);
    QScrollBar keptBar(orientation);
    keptBar.setStyle(&kept);
    // The kept bar has been drawn elsewhere first, so its pictures are reused, not new.
    const QSize size = orientation == Qt::Vertical ? QSize(15, 1080) : QSize(1080, 15);
    for (QScrollBar* bar : {&plainBar, &keptBar}) {
        bar->setRange(0, 2720);
        bar->setPageStep(1080);
        bar->resize(size);
        bar->setDisabled(disabled);
    }
    keptBar.setValue(1000);
    keptBar.grab();
    plainBar.setValue(value);
    keptBar.setValue(value);
    const QImage plain = plainBar.grab().toImage();
    QVERIFY(!plain.isNull());
    QCOMPARE(keptBar.grab().toImage(), plain);
}

QTEST_MAIN(TestKeptScrollBarStyle)
#include "tst_keptscrollbarstyle.moc"
