#include "app/pictures/bakedpictures.h"
#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/mapterrain.h"
#include "app/pictures/programart.h"
#include "app/pictures/viewglyphs.h"
#include "board/pictureids.h"

#include <QTest>

using Set = BuiltinPictureModule::Set;

// The pictures the program carries, drawn at build time, are pixel for pixel the pictures
// its drawing code makes now; a damaged sheet is refused whole.
class TestBakedPictures : public QObject {
    Q_OBJECT
private slots:
    void carriedPicturesAreTheDrawnOnes_data();
    void carriedPicturesAreTheDrawnOnes();
    void programPicturesAreTheDrawnOnes();
    void carriedShadingIsTheDrawnOne();
    void takenMapIsLoadedAgain();
    void damagedSheetIsRefused_data();
    void damagedSheetIsRefused();
};

void TestBakedPictures::carriedPicturesAreTheDrawnOnes_data() {
    QTest::addColumn<bool>("counters");
    QTest::newRow("korva_1: map and tags") << false;
    QTest::newRow("korva_2: counters and markers") << true;
}

void TestBakedPictures::carriedPicturesAreTheDrawnOnes() {
    QFETCH(bool, counters);
    const BuiltinPictureModule module(counters ? Set::CountersAndMarkers : Set::MapAndTags);
    for (const char* sheet :
         {bakedpictures::kMapSheet, bakedpictures::kTagSheet, bakedpictures::kCounterSheet})
        QVERIFY2(!bakedpictures::loadSheet(QString::fromLatin1(sheet)).empty(), sheet);
    for (const int id : module.ids()) {
        const QImage carried = module.bitmap(id);
        QCOMPARE(carried.format(), QImage::Format_RGB32);
        if (carried != module.draw(id))
            QFAIL(qPrintable(QStringLiteral("picture %1 differs from its drawing").arg(id)));
    }
}

void TestBakedPictures::programPicturesAreTheDrawnOnes() {
    const auto sheet = bakedpictures::loadSheet(QString::fromLatin1(bakedpictures::kProgramSheet));
    std::vector<std::pair<int, QImage>> drawn = {
        {bakedpictures::kSplash, programart::splashPicture()}};
    for (const int size : programart::iconSizes())
        drawn.emplace_back(bakedpictures::kIconBase + size, programart::programIcon(size));
    for (const programart::Glyph glyph : programart::kGlyphs)
        drawn.emplace_back(bakedpictures::kGlyphBase + int(glyph), programart::buttonGlyph(glyph));
    for (const programart::ViewGlyph glyph : programart::kViewGlyphs)
        for (const int size : programart::kViewGlyphSizes)
            drawn.emplace_back(bakedpictures::kViewGlyphBase + 100 * int(glyph) + size,
                               programart::viewGlyph(glyph, size));
    QCOMPARE(sheet.size(), drawn.size());
    for (const auto& [id, picture] : drawn) {
        // Carried as a pixmap takes it: premultiplied where it has alpha.
        const QImage screenReady =
            picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                      : picture;
        QCOMPARE(sheet.at(id).format(), screenReady.format());
        QVERIFY2(sheet.at(id) == screenReady, qPrintable(QString::number(id)));
    }
}

// The map's soft shading for other scales, as the program carries it: the drawing's own.
void TestBakedPictures::carriedShadingIsTheDrawnOne() {
    const auto sheet = bakedpictures::loadSheet(QString::fromLatin1(bakedpictures::kTerrainSheet));
    QCOMPARE(sheet.size(), std::size_t{2});
    for (const auto layer : {mapterrain::SoftLayer::Shallows, mapterrain::SoftLayer::Ranges})
        QVERIFY(sheet.at(int(layer)) == mapterrain::drawWholeSoftLayer(layer));
}

// The window takes the map to draw on; the module keeps no second copy but can still
// answer for it.
void TestBakedPictures::takenMapIsLoadedAgain() {
    const BuiltinPictureModule module(Set::MapAndTags);
    const QImage kept = module.bitmap(pictureids::kMap);
    QImage taken = module.takeBitmap(pictureids::kMap);
    QCOMPARE(taken.constBits(), kept.constBits());
    const QImage again = module.bitmap(pictureids::kMap);
    QVERIFY(again.constBits() != kept.constBits());
    QVERIFY(again == kept);
}

void TestBakedPictures::damagedSheetIsRefused_data() {
    QImage one(3, 2, QImage::Format_RGB32);
    one.fill(qRgb(1, 2, 3));
    const QByteArray good = bakedpictures::encodeSheet({{7, one}, {8, one}});
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pictures");
    QTest::newRow("whole") << good << 2;
    QTest::newRow("cut in a header") << good.left(good.size() / 2 + 4) << 0;
    QTest::newRow("cut in the pixels") << good.left(good.size() - 1) << 0;
    QByteArray hugeWidth = good;
    hugeWidth[4] = '\x7f';
    hugeWidth[7] = '\x7f';
    QTest::newRow("absurd width") << hugeWidth << 0;
    QByteArray badFormat = good;
    badFormat[12] = '\x01';
    QTest::newRow("not 32-bit pixels") << badFormat << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestBakedPictures::damagedSheetIsRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, pictures);
    const auto decoded = bakedpictures::decodeSheet(bytes);
    QCOMPARE(int(decoded.size()), pictures);
    if (pictures > 0)
        QCOMPARE(decoded.at(8).pixel(2, 1), qRgb(1, 2, 3));
}

QTEST_MAIN(TestBakedPictures)
#include "tst_bakedpictures.moc"
