#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/layeredpicturemodule.h"
#include "app/pictures/mapart.h"
#include "board/pictureids.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The built-in pictures drawn afresh for a high-density screen or a zoom: sharp (not the
// small picture's pixels doubled), the map's parts agreeing where they meet, and only the
// built-in layer drawing.
class TestScaledPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drawnNotDoubled_data();
    void drawnNotDoubled();
    void mapPartsMeetWithoutSeams_data();
    void mapPartsMeetWithoutSeams();
    void onlyTheBuiltInLayerDraws();
    void drawnAlikeAfterARelease();

private:
    std::unique_ptr<BuiltinPictureModule> maps_;
    std::unique_ptr<BuiltinPictureModule> counters_;
};

namespace {

// The share of the aligned 2 x 2 blocks whose four pixels are not all alike: none for a
// picture enlarged by doubling its pixels.
double unevenBlocks(const QImage& picture) {
    int uneven = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2) {
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb p = picture.pixel(x, y);
            ++blocks;
            if (picture.pixel(x + 1, y) != p || picture.pixel(x, y + 1) != p ||
                picture.pixel(x + 1, y + 1) != p)
                ++uneven;
        }
    }
    return blocks ? double(uneven) / blocks : 0.0;
}

// The largest difference of one colour channel between two pictures of one size.
int worstDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

} // namespace

void TestScaledPictures::initTestCase() {
    maps_ = std::make_unique<BuiltinPictureModule>(BuiltinPictureModule::Set::MapAndTags);
    counters_ =
        std::make_unique<BuiltinPictureModule>(BuiltinPictureModule::Set::CountersAndMarkers);
}

void TestScaledPictures::drawnNotDoubled_data() {
    QTest::addColumn<bool>("counterSet");
    QTest::addColumn<int>("id");
    QTest::addColumn<QRect>("area"); // at scale 2
    QTest::addColumn<double>("least");
    // Text, size marks, pips and edges drawn at the finer grid: some blocks differ within
    // themselves, where a picture with its pixels doubled has none.
    QTest::newRow("first side's counter") << true << 2000 << QRect(0, 0, 48, 48) << 0.1;
    QTest::newRow("second side's counter") << true << 2130 << QRect(0, 0, 48, 48) << 0.02;
    QTest::newRow("port") << true << 2390 << QRect(0, 0, 48, 48) << 0.05;
    QTest::newRow("marker") << true << pictureids::kMarkerBase + 2 << QRect(0, 0, 24, 24) << 0.05;
    QTest::newRow("die") << false << pictureids::kFileTagBase + 5 << QRect(0, 0, 16, 16) << 0.1;
    // Naples and its hexes: grid lines, captions, a name and the coast.
    QTest::newRow("map") << false << int(pictureids::kMap) << QRect(1200, 2960, 300, 200) << 0.1;
}

void TestScaledPictures::drawnNotDoubled() {
    QFETCH(bool, counterSet);
    QFETCH(int, id);
    QFETCH(QRect, area);
    QFETCH(double, least);
    const BuiltinPictureModule& module = counterSet ? *counters_ : *maps_;
    QVERIFY(module.drawsAtAnyScale(id));
    const QImage sharp = module.drawnAtScale(id, 2.0, area);
    QCOMPARE(sharp.size(), area.size());
    QVERIFY2(unevenBlocks(sharp) >= least, qPrintable(QString::number(unevenBlocks(sharp))));
    // At scale 1 it is the picture as the window has always shown it.
    if (id != pictureids::kMap)
        QCOMPARE(module.drawnAtScale(id, 1.0, module.bitmap(id).rect()), module.bitmap(id));
}

void TestScaledPictures::mapPartsMeetWithoutSeams_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("150%") << 1.5;
    QTest::newRow("200%") << 2.0;
    QTest::newRow("a high-density 67%") << 4.0 / 3.0;
    QTest::newRow("400%, the render's own bands") << 4.0;
}

// A part drawn alone has the pixels of that part of a larger drawing (give or take the
// rounding of a level of colour), so tiles drawn one by one show no edges, captions and
// soft shading included.
void TestScaledPictures::mapPartsMeetWithoutSeams() {
    QFETCH(qreal, scale);
    // Around Salerno: coast, hills, a town name, captions on sea and land, a river.
    const QRect larger(static_cast<int>(250 * scale), static_cast<int>(1590 * scale), 400, 300);
    const QImage whole = mapart::drawScaledMapArea(larger, scale);
    std::vector<QRect> parts = {QRect(0, 0, 256, 256), QRect(130, 70, 270, 230),
                                QRect(255, 1, 9, 299)};
    // Thin rows cut through captions at every height: a caption's colour is taken from the
    // ground under its middle, which may lie outside the part.
    for (int top = 0; top + 6 <= larger.height(); top += 5)
        parts.push_back(QRect(0, top, larger.width(), 6));
    for (const QRect& part : parts) {
        const QImage alone = mapart::drawScaledMapArea(part.translated(larger.topLeft()), scale);
        QCOMPARE(alone.size(), part.size());
        QVERIFY(worstDifference(alone, whole.copy(part)) <= 2);
    }
}

void TestScaledPictures::onlyTheBuiltInLayerDraws() {
    // A folder or DLL holding counter 2000 stands over the built-in set.
    auto dll = std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll"));
    dll->only = {2000};
    std::vector<std::unique_ptr<PictureModule>> layers;
    layers.push_back(std::move(dll));
    layers.push_back(
        std::make_unique<BuiltinPictureModule>(BuiltinPictureModule::Set::CountersAndMarkers));
    const LayeredPictureModule layered(QStringLiteral("korva_2.dll"), std::move(layers));
    QVERIFY(!layered.drawsAtAnyScale(2000));
    QVERIFY(layered.drawnAtScale(2000, 2.0, QRect(0, 0, 48, 48)).isNull());
    QVERIFY(layered.drawsAtAnyScale(2001));
    QCOMPARE(layered.drawnAtScale(2001, 2.0, QRect(0, 0, 48, 48)).size(), QSize(48, 48));
}

// What drawing at other scales keeps is let go when the view leaves them, and made again
// (from the carried sheet, or drawn) when it comes back: the map looks the same.
void TestScaledPictures::drawnAlikeAfterARelease() {
    const QRect area(500, 3000, 300, 200); // Naples: coast, hills, names
    const QImage before = maps_->drawnAtScale(pictureids::kMap, 2.0, area);
    maps_->releaseScaledDrawing();
    QCOMPARE(maps_->drawnAtScale(pictureids::kMap, 2.0, area), before);
}

QTEST_MAIN(TestScaledPictures)
#include "tst_scaledpictures.moc"
