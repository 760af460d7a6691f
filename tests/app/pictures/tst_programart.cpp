#include "app/pictures/programart.h"

#include <QTest>

#include <set>

using programart::Glyph;

Q_DECLARE_METATYPE(Glyph)

namespace {

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

class TestProgramArt : public QObject {
    Q_OBJECT
private slots:
    void cursorIsASwordFromTheTopLeft();
    void iconsAtEverySize();
    void glyphs_data();
    void glyphs();
    void glyphsDiffer();
    void splash();
};

void TestProgramArt::cursorIsASwordFromTheTopLeft() {
    const auto cursor = programart::zekCursor();
    QCOMPARE(cursor.image.size(), QSize(32, 32));
    QCOMPARE(cursor.hotSpot, QPoint(0, 0));
    int black = 0;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = cursor.image.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            QCOMPARE(qAlpha(p), 255);
            const bool isBlack = p == qRgb(0, 0, 0);
            const bool isWhite = p == qRgb(255, 255, 255);
            QVERIFY2(isBlack || isWhite, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            black += isBlack ? 1 : 0;
            white += isWhite ? 1 : 0;
        }
    }
    QVERIFY(black > 20 && white > 20);
    // The tip is the hot spot; the blade runs down the diagonal to the hilt, and the
    // other two corners stay clear.
    QVERIFY(qAlpha(cursor.image.pixel(0, 0)) == 255);
    for (int i = 0; i < 29; ++i)
        QVERIFY2(qAlpha(cursor.image.pixel(i, i)) == 255, qPrintable(QString::number(i)));
    QCOMPARE(qAlpha(cursor.image.pixel(31, 0)), 0);
    QCOMPARE(qAlpha(cursor.image.pixel(0, 31)), 0);
    // The cross-guard reaches out across the blade near the hilt.
    QVERIFY(qAlpha(cursor.image.pixel(15, 23)) == 255 || qAlpha(cursor.image.pixel(16, 23)) == 255);
}

void TestProgramArt::iconsAtEverySize() {
    QVERIFY(programart::iconSizes().contains(32));
    for (int size : programart::iconSizes()) {
        const QImage icon = programart::programIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QVERIFY(opaquePixels(icon) > size * size / 3);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // a hexagon: the corners are clear
    }
}

void TestProgramArt::glyphs_data() {
    QTest::addColumn<Glyph>("glyph");
    QTest::newRow("Open") << Glyph::Open;
    QTest::newRow("Save") << Glyph::Save;
    QTest::newRow("Undo") << Glyph::Undo;
    QTest::newRow("Move All") << Glyph::MoveAll;
    QTest::newRow("Hide Combat Tags") << Glyph::HideCombatTags;
    QTest::newRow("About") << Glyph::About;
}

void TestProgramArt::glyphs() {
    QFETCH(Glyph, glyph);
    const QImage image = programart::buttonGlyph(glyph);
    QCOMPARE(image.size(), QSize(programart::kGlyphSize, programart::kGlyphSize));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, programart::kGlyphSize - 1)), 0); // bottom-left is clear
    QVERIFY(opaquePixels(image) > 60);
}

void TestProgramArt::glyphsDiffer() {
    std::set<qint64> seen;
    for (Glyph glyph : {Glyph::Open, Glyph::Save, Glyph::Undo, Glyph::MoveAll,
                        Glyph::HideCombatTags, Glyph::About}) {
        const QImage image = programart::buttonGlyph(glyph);
        seen.insert(qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes())));
    }
    QCOMPARE(seen.size(), std::size_t{6});
}

void TestProgramArt::splash() {
    const QImage picture = programart::splashPicture();
    QCOMPARE(picture.size(), QSize(programart::kSplashSize, programart::kSplashSize));
    // Drawn over a piece of the map: many colours, not a blank plate.
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4)
            colours.insert(picture.pixel(x, y));
    QVERIFY(colours.size() > 50);
}

QTEST_MAIN(TestProgramArt)
#include "tst_programart.moc"
