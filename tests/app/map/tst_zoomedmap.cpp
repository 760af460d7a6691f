#include "app/map/areaaverage.h"
#include "app/map/mapscene.h"
#include "app/map/tilemaker.h"
#include "app/map/zoomedmap.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "geometry/zekclick.h"
#include "tests/common/fakepicturemodule.h"

#include <QPainter>
#include <QTest>

#include <atomic>

// The map as the view keeps it at a scale: made smaller by averaging and kept in step with
// changes, or enlarged in tiles with the counters and tags drawn over them from the game.
class TestZoomedMap : public QObject {
    Q_OBJECT
private slots:
    void shrinkAverages();
    void shrinkKeepsInStep_data();
    void shrinkKeepsInStep();
    void shrinkByBandsIsShrink_data();
    void shrinkByBandsIsShrink();
    void bandsCutIntoTheirTiles();
    void ownScaleIsThePictureItself();
    void enlargedTilesMeetWithoutSeams();
    void aSweepKeepsTheTilesBounded();
    void aJumpLetsTheOldViewGoBeforeTheNewIsDrawn();
    void aPartIsThatPartOfTheWhole_data();
    void aPartIsThatPartOfTheWhole();
    void piecesDrawnFromTheGame();
    void tagSeenFromEachCornerOfItsBlock_data();
    void tagSeenFromEachCornerOfItsBlock();
};

namespace {

QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage paintedAt(ZoomedMap& zoomed, const QRect& deviceRect) {
    QImage image(deviceRect.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-deviceRect.topLeft());
    zoomed.paint(painter, deviceRect);
    return image;
}

// A game on the quick stand-in pictures over a patterned map.
struct TestGame {
    FakePictureModule maps{QStringLiteral("korva_1.dll")};
    FakePictureModule counters{QStringLiteral("korva_2.dll")};
    MapPicture picture{patternMap(600, 400)};
    CounterMgr counterMgr;
    MapBoard board{picture};
    TaggerMgr tags{&maps, &picture};
    MapScene scene{picture, board, counterMgr, tags, maps, counters};

    // Every counter starts in the last hex, far off this small map.
    TestGame() {
        ZeKCounter::setPictureModule(&counters);
        for (const auto& counter : counterMgr.counters())
            counter->setState(CounterRecord{2966, 2966, 0, 0});
    }
    ~TestGame() { ZeKCounter::setPictureModule(nullptr); }
    void place(int row, int hex) {
        auto it = counterMgr.counters().begin();
        std::advance(it, row - 1);
        (*it)->setState(CounterRecord{hex, hex, 0, 0});
    }
};

} // namespace

void TestZoomedMap::shrinkAverages() {
    // Two columns, black and white: at half size each pixel is their mean.
    QImage stripes(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage half = areaaverage::shrink(stripes, 0.5);
    QCOMPARE(half.size(), QSize(2, 1));
    QCOMPARE(qRed(half.pixel(0, 0)), 128);
    QCOMPARE(half.pixel(1, 0), half.pixel(0, 0));
    // A plain picture stays plain, its size rounded up at any scale.
    const QImage plain = areaaverage::shrink(solid(100, 50, qRgb(10, 200, 90)), 2.0 / 3.0);
    QCOMPARE(plain.size(), QSize(67, 34));
    QCOMPARE(plain, solid(67, 34, qRgb(10, 200, 90)));
}

void TestZoomedMap::shrinkKeepsInStep_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("25%") << 0.25;
    QTest::newRow("33%") << 1.0 / 3.0;
    QTest::newRow("50%") << 0.5;
    QTest::newRow("67%") << 2.0 / 3.0;
    QTest::newRow("a fit, 37%") << 0.37;
}

// A changed rectangle redone alone gives the same pixels as the whole picture made smaller
// again, through the zoomed map as the view paints it.
void TestZoomedMap::shrinkKeepsInStep() {
    QFETCH(qreal, scale);
    MapPicture picture(patternMap(300, 200));
    ZoomedMap zoomed;
    zoomed.setSources(&picture, nullptr);
    zoomed.setScale(scale);
    const QRect whole(QPoint(), zoomed.deviceSize());
    // Only the top shown so far: the copy is made there; the rest when first painted.
    paintedAt(zoomed, QRect(0, 0, whole.width(), whole.height() / 2));
    picture.setChangeListener([&zoomed](const QRect& r) { zoomed.pictureChanged(r); });
    picture.drawImage(101, 57, solid(27, 39, qRgb(250, 10, 10)));
    picture.restorePristine(QRect(110, 60, 5, 5));
    QCOMPARE(paintedAt(zoomed, whole), areaaverage::shrink(picture.image(), scale));
}

void TestZoomedMap::shrinkByBandsIsShrink_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("25%") << 0.25;
    QTest::newRow("a third") << 1.0 / 3.0;
    QTest::newRow("a fit, 37%") << 0.37;
}

// The overview's ground, averaged band by band from the pristine pixels, is the whole
// picture made smaller at once, also across the bands' edges.
void TestZoomedMap::shrinkByBandsIsShrink() {
    QFETCH(qreal, scale);
    const QImage source = patternMap(300, 517);
    int tallest = 0;
    const QImage banded = areaaverage::shrinkByBands(source.size(), scale, [&](const QRect& r) {
        tallest = std::max(tallest, r.height());
        return source.copy(r);
    });
    QCOMPARE(banded, areaaverage::shrink(source, scale));
    QVERIFY(tallest < source.height() / 2); // bands, never the whole picture
}

namespace {

// Draws the map as a pattern of its device pixels' coordinates at any scale, counting calls.
class PatternDrawer final : public PictureModule {
public:
    static QRgb colourAt(int x, int y) { return qRgb(x % 251, y % 241, (x / 251 + y) % 239); }
    QImage bitmap(int) const override { return {}; }
    bool contains(int) const override { return true; }
    QString name() const override { return QStringLiteral("pattern"); }
    bool drawsAtAnyScale(int) const override { return true; }
    QImage drawnAtScale(int, qreal, const QRect& area) const override {
        ++calls;
        QImage image(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                image.setPixel(x, y, colourAt(area.x() + x, area.y() + y));
        return image;
    }
    mutable std::atomic<int> calls = 0;
};

} // namespace

// Tiles ordered together are drawn as bands, each tile the band's pixels at its own place.
// The workers stay between orders and wake as the first is queued: a worker that took a row
// piece by piece would draw every piece with its own margin.
void TestZoomedMap::bandsCutIntoTheirTiles() {
    PatternDrawer drawer;
    TileMaker maker([] {});
    maker.setSource(&drawer, 2.0, 7);
    std::vector<QPoint> keys;
    for (int x = 0; x < 5; ++x)
        keys.emplace_back(x, 3);
    keys.emplace_back(1, 4);
    for (int round = 0; round < 2; ++round) {
        std::vector<TileMaker::Order> orders;
        for (const QPoint& key : keys)
            orders.push_back({key, QRect(key * 64, QSize(64, 64)), 1, {}, {}});
        maker.order(std::move(orders));
        maker.waitForOrders();
    }
    const std::vector<TileMaker::Made> made = maker.takeMade();
    QCOMPARE(made.size(), 2 * keys.size());
    QCOMPARE(drawer.calls, 4); // in each round the row went together, the tile below alone
    for (const TileMaker::Made& tile : made) {
        QCOMPARE(tile.generation, quint64(7));
        QCOMPARE(tile.image.size(), QSize(64, 64));
        const QPoint at = tile.key * 64;
        for (const QPoint p : {QPoint(0, 0), QPoint(63, 0), QPoint(17, 40), QPoint(63, 63)})
            QCOMPARE(tile.image.pixel(p), PatternDrawer::colourAt(at.x() + p.x(), at.y() + p.y()));
    }
}

void TestZoomedMap::ownScaleIsThePictureItself() {
    MapPicture picture(patternMap(120, 90));
    ZoomedMap zoomed;
    zoomed.setSources(&picture, nullptr);
    QCOMPARE(zoomed.deviceSize(), QSize(120, 90));
    QCOMPARE(paintedAt(zoomed, QRect(10, 20, 50, 40)), picture.image().copy(10, 20, 50, 40));
    QCOMPARE(zoomed.heldBytes(), 0);
}

// Pictures from files are enlarged smoothly, tile by tile: the tiles must agree with the
// whole map enlarged at once, or their edges would show.
void TestZoomedMap::enlargedTilesMeetWithoutSeams() {
    TestGame game;
    ZoomedMap zoomed;
    zoomed.setSources(&game.picture, &game.scene);
    zoomed.setScale(1.5);
    QCOMPARE(zoomed.deviceSize(), QSize(900, 600));
    const QImage rendered = zoomed.render();
    QImage whole(rendered.size(), QImage::Format_RGB32);
    {
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(1.5, 1.5);
        painter.drawImage(0, 0, game.picture.image());
    }
    // Away from the map's own edge, where the whole picture has no neighbours to smooth with.
    const QRect inside = rendered.rect().adjusted(4, 4, -4, -4);
    // Smoothing from a part rounds a level or two differently from the whole, no more.
    int worst = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb a = rendered.pixel(x, y);
            const QRgb b = whole.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    QVERIFY2(worst <= 3, qPrintable(QString::number(worst)));
}

// A sweep over the whole map at a high scale keeps the tiles of the view and a few more, not
// every tile it passed over.
void TestZoomedMap::aSweepKeepsTheTilesBounded() {
    MapPicture picture(patternMap(1500, 1000));
    ZoomedMap zoomed;
    zoomed.setSources(&picture, nullptr);
    zoomed.setScale(4.0);
    const QSize view(1600, 1000);
    const qint64 viewBytes = qint64(view.width()) * view.height() * 4;
    for (int y = 0; y < zoomed.deviceSize().height(); y += 2 * view.height()) {
        for (int x = 0; x < zoomed.deviceSize().width(); x += view.width()) {
            const QRect shown(QPoint(x, y), view);
            zoomed.prefetch(shown);
            zoomed.finishTiles(shown);
            QVERIFY(zoomed.arrivalOf(shown).has_value());
            QVERIFY2(zoomed.heldBytes() <= 4 * viewBytes,
                     qPrintable(QString::number(zoomed.heldBytes() / viewBytes)));
        }
    }
}

// The tiles under way count against the memory budget: otherwise a jump across the map holds
// the old view's tiles and the new one's together.
void TestZoomedMap::aJumpLetsTheOldViewGoBeforeTheNewIsDrawn() {
    MapPicture picture(patternMap(1500, 1000));
    ZoomedMap zoomed;
    zoomed.setSources(&picture, nullptr);
    zoomed.setScale(4.0);
    const QRect first(QPoint(0, 0), QSize(1600, 1000));
    zoomed.prefetch(first);
    zoomed.finishTiles(first);
    QVERIFY(zoomed.arrivalOf(first).has_value());
    zoomed.prefetch(first.translated(4000, 2800));
    QVERIFY(!zoomed.arrivalOf(first).has_value());
}

void TestZoomedMap::aPartIsThatPartOfTheWhole_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("50%") << 0.5;
    QTest::newRow("100%") << 1.0;
    QTest::newRow("150%") << 1.5;
    QTest::newRow("200%") << 2.0;
}

// A part drawn band by band, from a row inside a band of the whole and across the next band's
// edge, holds the whole map's pixels there.
void TestZoomedMap::aPartIsThatPartOfTheWhole() {
    QFETCH(qreal, scale);
    TestGame game;
    game.place(1, 75);
    game.board.rebuild(game.counterMgr.counters());
    game.board.redrawAll();
    ZoomedMap zoomed;
    zoomed.setSources(&game.picture, &game.scene);
    zoomed.setScale(scale);
    const QImage whole = zoomed.render();
    const QSize size = whole.size();
    const QRect part(size.width() / 10, size.height() * 3 / 10 + 1, size.width() * 2 / 3,
                     size.height() * 3 / 5);
    QImage bands(part.size(), QImage::Format_RGB32);
    int next = 0;
    QPainter painter(&bands);
    QVERIFY(zoomed.renderBands(
        [&](const QImage& band, int top) {
            if (top != next || band.width() != part.width())
                return false;
            painter.drawImage(0, top, band);
            next += band.height();
            return true;
        },
        part));
    painter.end();
    QCOMPARE(next, part.height());
    QCOMPARE(bands, whole.copy(part));
}

void TestZoomedMap::piecesDrawnFromTheGame() {
    TestGame game;
    game.place(1, 75); // column 1, row 6
    game.place(2, 75);
    game.board.rebuild(game.counterMgr.counters());
    game.board.redrawAll();
    const AFPoint at = ZeKClick(75).position();
    game.tags.addCombat(TaggerInfo{at, 3, "held"});
    const QRgb bottom =
        FakePictureModule::colourOf(game.board.hex(75).stack().front()->pictureId());
    const QRgb top = FakePictureModule::colourOf(game.board.hex(75).stack().back()->pictureId());
    const QRgb tag = FakePictureModule::colourOf(16013);

    ZoomedMap zoomed;
    zoomed.setSources(&game.picture, &game.scene);
    zoomed.setScale(2.0);
    QImage shown = zoomed.render();
    const auto colourAt = [&shown](const AFPoint& hex, qreal dx, qreal dy) {
        return shown.pixel(static_cast<int>((hex.x + dx) * 2), static_cast<int>((hex.y + dy) * 2));
    };
    // Two counters stacked 15 pixels apart, the top one drawn last, and the tag left of the
    // hex position: each shows its own colour in the doubled picture.
    QCOMPARE(colourAt(at, 5, 2), bottom);
    QCOMPARE(colourAt(at, 5, 30), top);
    QCOMPARE(colourAt(at, -4, 4), tag);
    // A counter stays inside its hex's counter area (39 pixels down from the position).
    QVERIFY(colourAt(at, 5, 39.5) != top);

    // Hidden tags are not drawn again; a moved counter is drawn where it went.
    game.tags.hideTags();
    game.board.moveTop(75, 72);
    shown = zoomed.render();
    QVERIFY(colourAt(at, -4, 4) != tag);
    QVERIFY(colourAt(at, 5, 30) != top);
    QCOMPARE(colourAt(ZeKClick(72).position(), 5, 2), top);
    QCOMPARE(game.board.count(72), 1);
}

void TestZoomedMap::tagSeenFromEachCornerOfItsBlock_data() {
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<qreal>("scale");
    // A tag's picture lies left of its position, or at x 24 in the leftmost column.
    QTest::newRow("hex, 200%") << QPoint(35, 97) << 2.0;
    QTest::newRow("hex, 300%") << QPoint(35, 97) << 3.0;
    QTest::newRow("leftmost column, 300%") << QPoint(0, 78) << 3.0;
    QTest::newRow("at x 8, 200%") << QPoint(8, 40) << 2.0;
}

void TestZoomedMap::tagSeenFromEachCornerOfItsBlock() {
    QFETCH(QPoint, position);
    QFETCH(qreal, scale);
    TestGame game;
    game.tags.addCombat(TaggerInfo{AFPoint(position.x(), position.y()), 3, {}});
    const AFPoint block = game.tags.ownTags().begin()->drawPosition();
    ZoomedMap zoomed;
    zoomed.setSources(&game.picture, &game.scene);
    zoomed.setScale(scale);
    zoomed.finishTiles(QRect(QPoint(), zoomed.deviceSize()));
    // Painted one device pixel at a time over the bare map's tiles, as the smallest part of
    // a repaint.
    const int first = 0;
    const int last = static_cast<int>(Tagger::kPictureSize * scale) - 1;
    for (const QPoint corner :
         {QPoint(first, first), QPoint(last, first), QPoint(first, last), QPoint(last, last)}) {
        const QPoint device =
            QPoint(static_cast<int>(block.x * scale), static_cast<int>(block.y * scale)) + corner;
        QCOMPARE(paintedAt(zoomed, QRect(device, QSize(1, 1))).pixel(0, 0),
                 FakePictureModule::colourOf(16013));
    }
}

QTEST_MAIN(TestZoomedMap)
#include "tst_zoomedmap.moc"
