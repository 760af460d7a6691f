#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/mapcaptions.h"
#include "app/pictures/tagart.h"
#include "board/pictureids.h"
#include "counters/orderofbattle.h"

#include "geometry/hexgrid.h"

#include <QTest>

#include <set>

using Set = BuiltinPictureModule::Set;

// A pixel of a counter's bare ground: the bottom-left corner inside the outline, left of
// the step track and below the text.
constexpr QPoint kGround(1, 22);

class TestBuiltinPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sizes_data();
    void sizes();
    void holdsOnlyItsOwnPictures_data();
    void holdsOnlyItsOwnPictures();
    void missingPictureNamesModuleAndId();
    void counterPicturesCoverTheOrderOfBattle();
    void eachLossLooksDifferent();
    void kindsAreToldApartByTheirGround();
    void dieFamiliesDiffer();
    void mapIsDrawnOnceAndShared();
    void mapShowsBoardAndHoldingArea();
    void captionsAreTheHexLabels();
    void captionBoxesStayClearOfCountersAndTags();
    void moduleForFileName();

private:
    std::unique_ptr<BuiltinPictureModule> mapAndTags_;
    std::unique_ptr<BuiltinPictureModule> counters_;
};

void TestBuiltinPictures::initTestCase() {
    mapAndTags_ = std::make_unique<BuiltinPictureModule>(Set::MapAndTags);
    counters_ = std::make_unique<BuiltinPictureModule>(Set::CountersAndMarkers);
}

void TestBuiltinPictures::sizes_data() {
    QTest::addColumn<bool>("fromCounters");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("minHeight");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxHeight");
    // The map must hold the whole grid (x up to 1505, y up to 2710) and the drop area.
    QTest::newRow("map 16002") << false << pictureids::kMap << 1506 << 2720 << 4000 << 4000;
    for (int value = 1; value <= 6; ++value) {
        const int own = pictureids::kOwnTagBase + value;
        const int file = pictureids::kFileTagBase + value;
        QTest::addRow("tag %d", own) << false << own << 8 << 8 << 8 << 8;
        QTest::addRow("tag %d", file) << false << file << 8 << 8 << 8 << 8;
    }
    for (int id = pictureids::kFirstCounter; id <= pictureids::kLastCounter; ++id)
        QTest::addRow("counter %d", id) << true << id << 24 << 24 << 24 << 24;
    // Markers sit at (+8, +8) on a counter, so they must stay small.
    QTest::newRow("marker 2551") << true << 2551 << 8 << 8 << 16 << 16;
    QTest::newRow("marker 2552") << true << 2552 << 8 << 8 << 16 << 16;
}

void TestBuiltinPictures::sizes() {
    QFETCH(bool, fromCounters);
    QFETCH(int, id);
    QFETCH(int, minWidth);
    QFETCH(int, minHeight);
    QFETCH(int, maxWidth);
    QFETCH(int, maxHeight);
    const BuiltinPictureModule& module = fromCounters ? *counters_ : *mapAndTags_;
    QVERIFY(module.contains(id));
    const QImage picture = module.bitmap(id);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QVERIFY2(picture.width() >= minWidth && picture.width() <= maxWidth,
             qPrintable(QString::number(picture.width())));
    QVERIFY2(picture.height() >= minHeight && picture.height() <= maxHeight,
             qPrintable(QString::number(picture.height())));
}

void TestBuiltinPictures::holdsOnlyItsOwnPictures_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("inMapAndTags");
    QTest::addColumn<bool>("inCounters");
    QTest::newRow("16002") << 16002 << true << false;
    QTest::newRow("16010") << 16010 << false << false;
    QTest::newRow("16011") << 16011 << true << false;
    QTest::newRow("16016") << 16016 << true << false;
    QTest::newRow("16017") << 16017 << false << false;
    QTest::newRow("16020") << 16020 << false << false;
    QTest::newRow("16026") << 16026 << true << false;
    QTest::newRow("16027") << 16027 << false << false;
    QTest::newRow("1999") << 1999 << false << false;
    QTest::newRow("2000") << 2000 << false << true;
    QTest::newRow("2394") << 2394 << false << true;
    QTest::newRow("2395") << 2395 << false << false;
    QTest::newRow("2550") << 2550 << false << false;
    QTest::newRow("2551") << 2551 << false << true;
    QTest::newRow("2552") << 2552 << false << true;
    QTest::newRow("2553") << 2553 << false << false;
    QTest::newRow("-1") << -1 << false << false;
}

void TestBuiltinPictures::holdsOnlyItsOwnPictures() {
    QFETCH(int, id);
    QFETCH(bool, inMapAndTags);
    QFETCH(bool, inCounters);
    QCOMPARE(mapAndTags_->contains(id), inMapAndTags);
    QCOMPARE(counters_->contains(id), inCounters);
}

void TestBuiltinPictures::missingPictureNamesModuleAndId() {
    try {
        counters_->bitmap(16002);
        QFAIL("no error for a picture the module lacks");
    } catch (const ResourceError& error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains(QLatin1String("16002")), error.what());
        QVERIFY2(message.contains(QLatin1String("korva_2.dll")), error.what());
    }
    QVERIFY_THROWS_EXCEPTION(ResourceError, mapAndTags_->bitmap(2000));
}

void TestBuiltinPictures::counterPicturesCoverTheOrderOfBattle() {
    CounterInitList rows;
    buildOrderOfBattle(rows);
    std::set<int> ids;
    for (const ZeKCounterInitStruct& row : rows)
        for (int k = 0; k <= row.steps; ++k)
            ids.insert(row.basePictureId + k);
    for (int id : ids)
        QVERIFY(counters_->contains(id));
    QCOMPARE(ids.size(), std::size_t{395});
}

void TestBuiltinPictures::eachLossLooksDifferent() {
    CounterInitList rows;
    buildOrderOfBattle(rows);
    for (const ZeKCounterInitStruct& row : rows) {
        for (int k = 1; k <= row.steps; ++k) {
            const QImage before = counters_->bitmap(row.basePictureId + k - 1);
            const QImage after = counters_->bitmap(row.basePictureId + k);
            QVERIFY2(
                before != after,
                qPrintable(
                    QStringLiteral("%1 loss %2").arg(QString::fromStdString(row.name)).arg(k)));
            // More than a pixel or two: the ground itself changes shade.
            QVERIFY(before.pixel(kGround) != after.pixel(kGround));
        }
    }
}

void TestBuiltinPictures::kindsAreToldApartByTheirGround() {
    const int samples[] = {2000, 2166, 2179, 2379,
                           2387}; // first side, fort, second side, port, marker
    std::set<QRgb> grounds;
    for (int id : samples)
        grounds.insert(counters_->bitmap(id).pixel(kGround));
    QCOMPARE(grounds.size(), std::size(samples));
    // Every first-side formation shares one ground, and every second-side one another.
    QCOMPARE(counters_->bitmap(2047).pixel(kGround), counters_->bitmap(2000).pixel(kGround));
    QCOMPARE(counters_->bitmap(2300).pixel(kGround), counters_->bitmap(2179).pixel(kGround));
}

void TestBuiltinPictures::dieFamiliesDiffer() {
    std::set<qint64> faces;
    for (int value = 1; value <= 6; ++value) {
        const QImage own = mapAndTags_->bitmap(pictureids::kOwnTagBase + value);
        const QImage theirs = mapAndTags_->bitmap(pictureids::kFileTagBase + value);
        QVERIFY(own != theirs);
        // Told apart at a glance: the face colours differ, not only the pips.
        QVERIFY(qRed(own.pixel(0, 0)) != qRed(theirs.pixel(0, 0)) ||
                qGreen(own.pixel(0, 0)) != qGreen(theirs.pixel(0, 0)));
        for (const QImage& face : {own, theirs}) {
            QString key;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    key += QString::number(face.pixel(x, y), 16);
            faces.insert(qHash(key));
        }
    }
    QCOMPARE(faces.size(), std::size_t{12});
    // The own die is light and the opponent's red.
    const QRgb own = mapAndTags_->bitmap(16011).pixel(0, 0);
    const QRgb theirs = mapAndTags_->bitmap(16021).pixel(0, 0);
    QVERIFY(qGray(own) > 200);
    QVERIFY(qRed(theirs) > 2 * qGreen(theirs));
}

void TestBuiltinPictures::mapIsDrawnOnceAndShared() {
    const QImage first = mapAndTags_->bitmap(pictureids::kMap);
    const QImage second = mapAndTags_->bitmap(pictureids::kMap);
    QCOMPARE(first.constBits(), second.constBits());
    // A second module draws it again, pixel for pixel the same.
    const BuiltinPictureModule other(Set::MapAndTags);
    QVERIFY(other.bitmap(pictureids::kMap) == first);
}

// Off-board hexes stand on the holding area's pale, grey ground; board hexes on Italy's
// land and sea, in colour.
void TestBuiltinPictures::mapShowsBoardAndHoldingArea() {
    const QImage map = mapAndTags_->bitmap(pictureids::kMap);
    auto saturation = [&map](int hex) {
        const AFPoint p = hexgrid::hexPosition(hex);
        return map.pixelColor(p.x + 4, p.y + 4).hsvSaturation();
    };
    int colourfulBoard = 0;
    int colourfulHolding = 0;
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex) {
        if (hexgrid::isOnBoard(hex))
            colourfulBoard += saturation(hex) > 45 ? 1 : 0;
        else
            colourfulHolding += saturation(hex) > 45 ? 1 : 0;
    }
    const int boardHexes = hexgrid::kBoardColumns * hexgrid::kRowsPerColumn;
    QVERIFY2(colourfulBoard > boardHexes * 9 / 10, qPrintable(QString::number(colourfulBoard)));
    QCOMPARE(colourfulHolding, 0);
}

void TestBuiltinPictures::captionsAreTheHexLabels() {
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex) {
        const QString label = QString::fromStdString(hexgrid::hexLabel(hex));
        if (hexgrid::isOnBoard(hex))
            QCOMPARE(QStringLiteral("Hex : ") + mapcaptions::caption(hex), label);
        else
            QVERIFY(mapcaptions::caption(hex).isEmpty());
    }
    QCOMPARE(mapcaptions::caption(0), QStringLiteral("A12"));
    QCOMPARE(mapcaptions::caption(1666), QStringLiteral("Y10"));
    QVERIFY(mapcaptions::caption(-1).isEmpty());
    QVERIFY(mapcaptions::caption(hexgrid::kHexCount).isEmpty());
}

void TestBuiltinPictures::captionBoxesStayClearOfCountersAndTags() {
    for (int hex : {0, 68, 69, 1656, 1700}) {
        const AFPoint p = hexgrid::hexPosition(hex);
        const QRect box = mapcaptions::captionBox(hex);
        // Below a single 24 x 24 counter, inside the hex's 39 pixels.
        QVERIFY(box.top() >= p.y + 24);
        QVERIFY(box.bottom() < p.y + hexgrid::kHexHeight);
        // Clear of the tag pictures at the top corners of the hexes.
        QVERIFY(!box.intersects(QRect(p.x - 8, p.y, 8, 8)));
        QVERIFY(!box.intersects(QRect(p.x + 24, p.y, 8, 8)));
        QVERIFY(mapcaptions::captionOverlap(QRectF(box)) > 0.0);
        QCOMPARE(mapcaptions::captionOverlap(QRectF(p.x, p.y, 24, 24)), 0.0);
    }
}

void TestBuiltinPictures::moduleForFileName() {
    QCOMPARE(BuiltinPictureModule::forModule(QStringLiteral("korva_1.dll"))->set(),
             Set::MapAndTags);
    QCOMPARE(BuiltinPictureModule::forModule(QStringLiteral("KORVA_2.DLL"))->set(),
             Set::CountersAndMarkers);
    QVERIFY(BuiltinPictureModule::forModule(QStringLiteral("korva_3.dll")) == nullptr);
}

QTEST_MAIN(TestBuiltinPictures)
#include "tst_builtinpictures.moc"
