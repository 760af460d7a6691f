#include "app/map/zoom.h"

#include <QSignalSpy>
#include <QTest>

// The zoom's steps, its range and the percentages the player reads and types.
class TestZoom : public QObject {
    Q_OBJECT
private slots:
    void stepsFromOneEndToTheOther();
    void stepFromAFitScale_data();
    void stepFromAFitScale();
    void percentages_data();
    void percentages();
};

void TestZoom::stepsFromOneEndToTheOther() {
    Zoom zoom;
    QSignalSpy changed(&zoom, &Zoom::scaleChanged);
    QList<int> seen;
    while (zoom.canZoomOut())
        zoom.zoomOut();
    seen << zoom.percent();
    while (zoom.canZoomIn()) {
        zoom.zoomIn();
        seen << zoom.percent();
    }
    QCOMPARE(seen, (QList<int>{25, 33, 50, 67, 100, 150, 200, 300, 400}));
    zoom.zoomIn(); // at the end nothing happens
    QCOMPARE(zoom.scale(), 4.0);
    const auto emitted = changed.count();
    zoom.setScale(9.0);
    QCOMPARE(changed.count(), emitted);
    zoom.resetZoom();
    QCOMPARE(zoom.scale(), 1.0);
    zoom.setScale(0.01);
    QCOMPARE(zoom.scale(), Zoom::kMinimum);
    // A scale a rounding away from a step is that step: 100% stays the map's own size.
    zoom.setScale(1.0 + 1e-9);
    QCOMPARE(zoom.scale(), 1.0);
}

void TestZoom::stepFromAFitScale_data() {
    QTest::addColumn<qreal>("fit");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("37%") << 0.37 << 50 << 33;
    QTest::newRow("90%") << 0.9 << 100 << 67;
    QTest::newRow("151%") << 1.51 << 200 << 150;
}

void TestZoom::stepFromAFitScale() {
    QFETCH(qreal, fit);
    QFETCH(int, in);
    QFETCH(int, out);
    Zoom zoom;
    zoom.setScale(fit);
    zoom.zoomIn();
    QCOMPARE(zoom.percent(), in);
    zoom.setScale(fit);
    zoom.zoomOut();
    QCOMPARE(zoom.percent(), out);
}

void TestZoom::percentages_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("33 is a third") << 33 << 1.0 / 3.0;
    QTest::newRow("67 is two thirds") << 67 << 2.0 / 3.0;
    QTest::newRow("25") << 25 << 0.25;
    QTest::newRow("120") << 120 << 1.2;
    QTest::newRow("400") << 400 << 4.0;
    QTest::newRow("24 is out") << 24 << 0.0;
    QTest::newRow("401 is out") << 401 << 0.0;
}

void TestZoom::percentages() {
    QFETCH(int, percent);
    QFETCH(qreal, scale);
    QCOMPARE(Zoom::scaleOfPercent(percent), scale);
    if (scale > 0.0) {
        Zoom zoom;
        zoom.setScale(scale);
        QCOMPARE(zoom.percent(), percent);
    }
}

QTEST_GUILESS_MAIN(TestZoom)
#include "tst_zoom.moc"
