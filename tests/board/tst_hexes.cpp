#include "board/mappicture.h"
#include "board/zekhex.h"
#include "counters/zekcounter.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

#include <memory>
#include <vector>

namespace {

using Counters = std::vector<std::unique_ptr<ZeKCounter>>;

// Counters with pictures 2000, 2001, ..., all standing in hex 5 to begin with.
Counters makeCounters(int n) {
    Counters counters;
    for (int i = 0; i < n; ++i)
        counters.push_back(
            std::make_unique<ZeKCounter>(2000 + i, 0, "c" + std::to_string(i), 0, 5, 5, 0, 0));
    return counters;
}

std::vector<Counter*> stackOf(const Hex& hex) {
    return {hex.stack().begin(), hex.stack().end()};
}

} // namespace

class TestHexes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void constructionTakesCleanCopyAndDrawsNothing();
    void stackOffsets_data();
    void stackOffsets();
    void eraseTouchesOnlyTheCounterArea_data();
    void eraseTouchesOnlyTheCounterArea();
    void copyCleanMatchesArea();
    void rotateOrder();
    void rotateSmallStackStillRedraws();
    void pushThenPopRestores();
    void popTopOfEmptyDrawsNothing();
    void addMovesCounterWithoutDrawing();
    void destroyingHexLeavesCountersAlive();
    void lastHexReleasesSharedPictures();
    void drawOutline();

private:
    FakePictureModule pictures_;
    QImage original_;
    std::unique_ptr<MapPicture> map_;
    int changes_ = 0;
};

void TestHexes::init() {
    ZeKCounter::setPictureModule(&pictures_);
    original_ = patternMap(220, 220);
    map_ = std::make_unique<MapPicture>(original_);
    changes_ = 0;
    map_->setChangeListener([this](const QRect&) { ++changes_; });
}

void TestHexes::cleanup() {
    map_.reset();
    ZeKCounter::setPictureModule(nullptr);
}

void TestHexes::constructionTakesCleanCopyAndDrawsNothing() {
    ZeKHex first(*map_, 0);
    map_->drawImage(0, 0, pictures_.bitmap(2000));
    ZeKHex second(*map_, 69);
    QCOMPARE(ZeKHex::sharedMapPicture(), map_.get());
    // Both erase to the picture as it was made, whatever was drawn since.
    QCOMPARE(map_->pristineCopy(original_.rect()), original_);
    QCOMPARE(first.count(), 0);
    QCOMPARE(first.top(), nullptr);
    QCOMPARE(second.index(), 69);
    QVERIFY(second.position() == AFPoint(35, 19));
    QCOMPARE(changes_, 1);
}

void TestHexes::stackOffsets_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("step");
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("2") << 2 << 15;
    QTest::newRow("3") << 3 << 7;
    QTest::newRow("4") << 4 << 3;
    QTest::newRow("5") << 5 << 3;
    QTest::newRow("6") << 6 << 2;
    QTest::newRow("8") << 8 << 2;
    QTest::newRow("9") << 9 << 1;
    QTest::newRow("15") << 15 << 1;
    QTest::newRow("16") << 16 << 0;
    QTest::newRow("20") << 20 << 0;
}

// Each counter's top row stays visible under the ones above it, so the pixels show
// where every counter of the stack was drawn.
void TestHexes::stackOffsets() {
    QFETCH(int, n);
    QFETCH(int, step);
    ZeKHex hex(*map_, 69);
    const AFPoint p = hex.position();
    Counters counters = makeCounters(n);
    for (auto& c : counters)
        hex.add(c.get());
    QVERIFY(hex.stackStep() == AFPoint(0, step));
    hex.redraw();
    const QImage& image = map_->image();
    if (step > 0) {
        for (int k = 0; k < n; ++k) {
            QCOMPARE(image.pixel(p.x + 3, p.y + k * step), FakePictureModule::colourOf(2000 + k));
            if (k > 0)
                QCOMPARE(image.pixel(p.x + 3, p.y + k * step - 1),
                         FakePictureModule::colourOf(2000 + k - 1));
        }
    }
    const int bottom = p.y + (n - 1) * step + 23;
    QCOMPARE(image.pixel(p.x, bottom), FakePictureModule::colourOf(2000 + n - 1));
    QCOMPARE(image.pixel(p.x + 23, bottom), FakePictureModule::colourOf(2000 + n - 1));
    QCOMPARE(image.pixel(p.x, bottom + 1), original_.pixel(p.x, bottom + 1));
    QCOMPARE(image.pixel(p.x + 24, p.y), original_.pixel(p.x + 24, p.y));
}

void TestHexes::eraseTouchesOnlyTheCounterArea_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("area");
    QTest::newRow("0") << 0 << QRect(QPoint(0, 0), QPoint(26, 38));
    QTest::newRow("69") << 69 << QRect(QPoint(35, 19), QPoint(61, 57));
}

void TestHexes::eraseTouchesOnlyTheCounterArea() {
    QFETCH(int, index);
    QFETCH(QRect, area);
    ZeKHex hex(*map_, index);
    QCOMPARE(hex.counterArea(), area);
    // Paint over the area and a one-pixel frame around it.
    QImage red(area.width() + 2, area.height() + 2, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    map_->drawImage(area.x() - 1, area.y() - 1, red);
    hex.erase();

    const QImage& image = map_->image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inFrame = QRect(area.adjusted(-1, -1, 1, 1)).contains(x, y);
            const QRgb expected =
                area.contains(x, y) || !inFrame ? original_.pixel(x, y) : qRgb(255, 0, 0);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TestHexes::copyCleanMatchesArea() {
    ZeKHex hex(*map_, 70);
    QImage black(220, 220, QImage::Format_RGB32);
    black.fill(Qt::black);
    map_->drawImage(0, 0, black);
    QImage bitmap;
    hex.copyClean(bitmap);
    QCOMPARE(bitmap.size(), QSize(27, 39));
    QCOMPARE(bitmap, original_.copy(hex.counterArea()));
}

void TestHexes::rotateOrder() {
    ZeKHex hex(*map_, 1);
    Counters c = makeCounters(3);
    for (auto& counter : c)
        hex.add(counter.get());
    const std::vector<Counter*> abc{c[0].get(), c[1].get(), c[2].get()};
    hex.rotate();
    QCOMPARE(stackOf(hex), (std::vector<Counter*>{c[2].get(), c[0].get(), c[1].get()}));
    QCOMPARE(hex.top(), c[1].get());
    hex.rotate();
    QCOMPARE(hex.top(), c[0].get());
    hex.rotate();
    QCOMPARE(stackOf(hex), abc);
    // The picture shows the stack as it now stands, top counter last.
    QCOMPARE(map_->image().pixel(hex.position().x, hex.position().y + 14 + 23),
             FakePictureModule::colourOf(2002));
}

void TestHexes::rotateSmallStackStillRedraws() {
    ZeKHex hex(*map_, 0);
    Counters c = makeCounters(1);
    hex.add(c[0].get());
    hex.rotate();
    QCOMPARE(stackOf(hex), std::vector<Counter*>{c[0].get()});
    QCOMPARE(map_->image().pixel(0, 0), FakePictureModule::colourOf(2000));
    hex.clear();
    hex.rotate();
    QCOMPARE(map_->image(), original_);
}

void TestHexes::pushThenPopRestores() {
    ZeKHex hex(*map_, 69);
    Counters c = makeCounters(2);
    hex.add(c[0].get());
    hex.redraw();
    const QImage before = map_->image();
    changes_ = 0;
    hex.push(c[1].get());
    QVERIFY(changes_ > 0);
    QCOMPARE(map_->image().pixel(35, 19 + 15), FakePictureModule::colourOf(2001));
    changes_ = 0;
    QCOMPARE(hex.popTop(), c[1].get());
    QVERIFY(changes_ > 0);
    QCOMPARE(stackOf(hex), std::vector<Counter*>{c[0].get()});
    QCOMPARE(map_->image(), before);
}

void TestHexes::popTopOfEmptyDrawsNothing() {
    ZeKHex hex(*map_, 0);
    QCOMPARE(hex.popTop(), nullptr);
    QCOMPARE(changes_, 0);
}

void TestHexes::addMovesCounterWithoutDrawing() {
    ZeKHex hex(*map_, 138);
    ZeKCounter counter(2000, 0, "A", 0, 7, 9, 0, 0);
    hex.add(&counter);
    QCOMPARE(counter.currentHex().index(), 138);
    QCOMPARE(counter.startHex().index(), 7);
    QCOMPARE(hex.top(), &counter);
    QCOMPARE(changes_, 0);
    QCOMPARE(map_->image(), original_);
    hex.redraw();
    QCOMPARE(map_->image().pixel(70, 0), FakePictureModule::colourOf(2000));
}

void TestHexes::destroyingHexLeavesCountersAlive() {
    Counters c = makeCounters(2);
    {
        auto hex = std::make_unique<ZeKHex>(*map_, 0);
        hex->add(c[0].get());
        hex->add(c[1].get());
    }
    // Still whole: ASan would report a use after free here.
    QCOMPARE(c[1]->name(), std::string("c1"));
    QCOMPARE(c[1]->currentHex().index(), 0);
}

void TestHexes::lastHexReleasesSharedPictures() {
    {
        ZeKHex a(*map_, 0);
        auto b = std::make_unique<ZeKHex>(*map_, 1);
        b.reset();
        // The hex still alive keeps drawing into the picture.
        QCOMPARE(ZeKHex::sharedMapPicture(), map_.get());
        a.erase();
    }
    QCOMPARE(ZeKHex::sharedMapPicture(), nullptr);

    QImage small(60, 60, QImage::Format_RGB32);
    small.fill(Qt::white);
    MapPicture other(small);
    ZeKHex c(other, 0);
    QCOMPARE(ZeKHex::sharedMapPicture(), &other);
    other.drawImage(0, 0, pictures_.bitmap(2000));
    c.erase();
    QCOMPARE(other.image(), small);
}

void TestHexes::drawOutline() {
    ZeKHex hex(*map_, 69);
    hex.drawOutline(qRgb(1, 2, 3));
    const QImage& image = map_->image();
    QCOMPARE(image.pixel(35 + 12, 19), qRgb(1, 2, 3));      // top edge
    QCOMPARE(image.pixel(35 + 12, 19 + 39), qRgb(1, 2, 3)); // bottom edge
    QCOMPARE(image.pixel(35 + 12, 19 + 20), original_.pixel(35 + 12, 19 + 20));
}

QTEST_APPLESS_MAIN(TestHexes)
#include "tst_hexes.moc"
