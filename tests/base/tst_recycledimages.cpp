#include "base/recycledimages.h"

#include <QTest>

// A picture's memory is lent again only once its last copy is gone, and pictures may
// outlive the recycler that lent them.
class TestRecycledImages : public QObject {
    Q_OBJECT
private slots:
    void memoryIsLentAgainOnlyWhenFree();
    void picturesOutliveTheRecycler();
};

void TestRecycledImages::memoryIsLentAgainOnlyWhenFree() {
    RecycledImages recycler(300, 40, QImage::Format_RGB32);
    QImage first = recycler.take(40);
    QVERIFY(!first.isNull());
    first.fill(Qt::red);
    const uchar* memory = first.constBits();
    QImage copy = first; // a band still being packed
    first = QImage();
    const QImage second = recycler.take(40);
    QVERIFY(second.constBits() != memory);
    copy = QImage();
    const QImage third = recycler.take(25); // the last band is shorter
    QCOMPARE(third.constBits(), memory);
    QCOMPARE(third.size(), QSize(300, 25));
    QCOMPARE(third.pixel(299, 24), qRgb(255, 0, 0)); // painted over, not cleared
    QVERIFY(recycler.take(41).isNull());
}

void TestRecycledImages::picturesOutliveTheRecycler() {
    QImage kept;
    {
        RecycledImages recycler(64, 64, QImage::Format_RGB32);
        kept = recycler.take(64);
    }
    kept.fill(Qt::blue);
    QCOMPARE(kept.pixel(63, 63), qRgb(0, 0, 255));
}

QTEST_GUILESS_MAIN(TestRecycledImages)
#include "tst_recycledimages.moc"
