#include "base/pngstreamwriter.h"

#include <QTest>

// A PNG written band by band reads back as the picture, whatever the bands; rows that do not
// make up the picture give no file rather than a broken one.
class TestPngStreamWriter : public QObject {
    Q_OBJECT
private slots:
    void bandsMakeThePicture_data();
    void bandsMakeThePicture();
    void wrongRowsGiveNoFile();
};

namespace {

QImage pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    return image;
}

} // namespace

void TestPngStreamWriter::bandsMakeThePicture_data() {
    QTest::addColumn<int>("bandRows");
    QTest::addColumn<bool>("otherFormat"); // bands in a format other than RGB32
    QTest::newRow("whole") << 100 << false;
    QTest::newRow("one row a band") << 1 << false;
    QTest::newRow("uneven bands") << 37 << false;
    QTest::newRow("ARGB bands") << 40 << true;
}

void TestPngStreamWriter::bandsMakeThePicture() {
    QFETCH(int, bandRows);
    QFETCH(bool, otherFormat);
    const QImage picture = pattern(61, 100);
    PngStreamWriter writer(picture.size());
    for (int top = 0; top < picture.height(); top += bandRows) {
        QImage band = picture.copy(0, top, picture.width(), std::min(bandRows, 100 - top));
        writer.write(otherFormat ? band.convertToFormat(QImage::Format_ARGB32) : band);
    }
    const QImage read = QImage::fromData(writer.finish(), "PNG");
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

void TestPngStreamWriter::wrongRowsGiveNoFile() {
    const QImage picture = pattern(20, 30);
    PngStreamWriter tooFew(picture.size());
    tooFew.write(picture.copy(0, 0, 20, 29));
    QVERIFY(tooFew.finish().isEmpty());
    PngStreamWriter tooMany(picture.size());
    tooMany.write(picture);
    tooMany.write(picture.copy(0, 0, 20, 1));
    QVERIFY(tooMany.finish().isEmpty());
    PngStreamWriter tooNarrow(picture.size());
    tooNarrow.write(picture.copy(0, 0, 19, 30));
    QVERIFY(tooNarrow.finish().isEmpty());
}

QTEST_GUILESS_MAIN(TestPngStreamWriter)
#include "tst_pngstreamwriter.moc"
