#include "board/mapboard.h"
#include "board/mappicture.h"
#include "counters/zekcounter.h"
#include "counters/zekcounterat.h"
#include "geometry/hexgrid.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

#include <memory>
#include <vector>

namespace {

using Counters = std::vector<std::unique_ptr<ZeKCounter>>;

std::vector<Counter*> stackOf(const MapBoard& board, int hex) {
    const CounterList& stack = board.hex(hex).stack();
    return {stack.begin(), stack.end()};
}

// A counter of another kind, which the board holds like any other.
class Pebble final : public Counter {
public:
    const HexMapClick& currentHex() const override { return hex_; }
    const HexMapClick& startHex() const override { return hex_; }
    int pictureId() const override { return 0; }
    bool isActive() const override { return true; }
    bool hasMoved() const override { return false; }
    bool clearLosses() override { return true; }
    void endTurn() override {}
    void returnToStart() override {}
    bool moveTo(const HexMapClick& hex) override {
        hex_ = ZeKClick(hex.index());
        return true;
    }
    AFPoint draw(MapPicture&, AFPoint offset, bool) const override { return offset; }

private:
    ZeKClick hex_;
};

} // namespace

class TestMapBoard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void constructionDrawsNothing();
    void moveTopFromEmptyHex();
    void moveTopAndBackRestores();
    void moveAllReverses();
    void moveAllOntoItself();
    void rotateStackTurnsAndRedraws();
    void rebuildOrder();
    void rebuildSkipsCountersOffTheGrid();
    void rebuildThenRedrawAllShowsEveryCounter();
    void clearAllForgetsWithoutCalling();
    void counterAtConvertsSafely();
    void indexesOutsideTheGridAreIgnored_data();
    void indexesOutsideTheGridAreIgnored();
    void moveRepaintsOnlyTheTwoHexes();

private:
    ZeKCounter* make(int picture, int hex);

    FakePictureModule pictures_;
    QImage original_;
    std::unique_ptr<MapPicture> map_;
    std::unique_ptr<MapBoard> board_;
    Counters counters_;
    std::vector<QRect> changes_;
};

void TestMapBoard::init() {
    ZeKCounter::setPictureModule(&pictures_);
    original_ = patternMap(220, 220);
    map_ = std::make_unique<MapPicture>(original_);
    board_ = std::make_unique<MapBoard>(*map_);
    changes_.clear();
    map_->setChangeListener([this](const QRect& r) { changes_.push_back(r); });
}

void TestMapBoard::cleanup() {
    board_.reset();
    counters_.clear();
    map_.reset();
    ZeKCounter::setPictureModule(nullptr);
}

ZeKCounter* TestMapBoard::make(int picture, int hex) {
    counters_.push_back(std::make_unique<ZeKCounter>(picture, 0, "n", 0, hex, hex, 0, 0));
    return counters_.back().get();
}

void TestMapBoard::constructionDrawsNothing() {
    for (int i = 0; i < hexgrid::kHexCount; ++i) {
        QVERIFY(board_->counterAt(i) == nullptr);
        QCOMPARE(board_->hex(i).index(), i);
    }
    QCOMPARE(map_->image(), original_);
    QCOMPARE(map_->pristineCopy(original_.rect()), original_);
}

void TestMapBoard::moveTopFromEmptyHex() {
    ZeKCounter* a = make(2000, 1);
    board_->rebuild(counters_);
    board_->moveTop(0, 1);
    QCOMPARE(stackOf(*board_, 1), std::vector<Counter*>{a});
    QVERIFY(changes_.empty());
}

void TestMapBoard::moveTopAndBackRestores() {
    ZeKCounter* a = make(2000, 0);
    ZeKCounter* b = make(2001, 0);
    ZeKCounter* d = make(2003, 69);
    board_->rebuild(counters_);
    board_->redrawAll();
    const QImage before = map_->image();

    board_->moveTop(0, 69);
    QCOMPARE(stackOf(*board_, 0), std::vector<Counter*>{a});
    QCOMPARE(stackOf(*board_, 69), (std::vector<Counter*>{d, b}));
    QCOMPARE(b->currentHex().index(), 69);
    QVERIFY(b->hasMoved());

    board_->moveTop(69, 0);
    QCOMPARE(stackOf(*board_, 0), (std::vector<Counter*>{a, b}));
    QCOMPARE(stackOf(*board_, 69), std::vector<Counter*>{d});
    QVERIFY(!b->hasMoved());
    QCOMPARE(map_->image(), before);
}

void TestMapBoard::moveAllReverses() {
    ZeKCounter* a = make(2000, 1);
    ZeKCounter* b = make(2001, 1);
    ZeKCounter* c = make(2002, 1);
    ZeKCounter* d = make(2003, 70);
    board_->rebuild(counters_);
    board_->moveAll(1, 70);
    QCOMPARE(board_->count(1), 0);
    QCOMPARE(stackOf(*board_, 70), (std::vector<Counter*>{d, c, b, a}));
    QCOMPARE(board_->counterAt(70), a);
    for (const auto& counter : counters_)
        QCOMPARE(counter->currentHex().index(), 70);
    // Four counters step 3 apart, A drawn last at the bottom of the spread.
    QCOMPARE(map_->image().pixel(35, 58 + 9 + 23), FakePictureModule::colourOf(2000));
    QCOMPARE(map_->image().pixel(0, 39), original_.pixel(0, 39));
}

void TestMapBoard::moveAllOntoItself() {
    make(2000, 1);
    make(2001, 1);
    board_->rebuild(counters_);
    board_->moveAll(1, 1);
    QCOMPARE(board_->count(1), 2);
    QVERIFY(changes_.empty());
}

void TestMapBoard::rotateStackTurnsAndRedraws() {
    ZeKCounter* a = make(2000, 0);
    ZeKCounter* b = make(2001, 0);
    board_->rebuild(counters_);
    board_->rotateStack(0);
    QCOMPARE(stackOf(*board_, 0), (std::vector<Counter*>{b, a}));
    QCOMPARE(map_->image().pixel(0, 15), FakePictureModule::colourOf(2000));
    QCOMPARE(map_->image().pixel(0, 14), FakePictureModule::colourOf(2001));
}

void TestMapBoard::rebuildOrder() {
    ZeKCounter* first = make(2000, 69);
    ZeKCounter* alone = make(2001, 2);
    ZeKCounter* second = make(2002, 69);
    board_->rebuild(counters_);
    QCOMPARE(stackOf(*board_, 69), (std::vector<Counter*>{first, second}));
    QCOMPARE(board_->counterAt(69), second);
    QCOMPARE(board_->counterAt(2), alone);
    QVERIFY(changes_.empty());
    // A second rebuild starts from empty stacks.
    board_->rebuild(counters_);
    QCOMPARE(board_->count(69), 2);
}

void TestMapBoard::rebuildSkipsCountersOffTheGrid() {
    ZeKCounter* inside = make(2000, 2966);
    make(2001, 2967);
    make(2002, -1);
    make(2003, 1 << 30);
    board_->rebuild(counters_);
    int total = 0;
    for (int i = 0; i < hexgrid::kHexCount; ++i)
        total += board_->count(i);
    QCOMPARE(total, 1);
    QCOMPARE(board_->counterAt(2966), inside);
}

void TestMapBoard::rebuildThenRedrawAllShowsEveryCounter() {
    // One counter in hex 0, two in hex 69, three in hex 138; markers drawn on top.
    make(2000, 0);
    make(2001, 69);
    make(2002, 69)->cycleMarker();
    make(2003, 138);
    make(2004, 138);
    ZeKCounter* top = make(2005, 138);
    top->cycleMarker();
    top->cycleMarker();
    board_->rebuild(counters_);
    board_->redrawAll();
    const QImage& image = map_->image();
    QCOMPARE(image.pixel(0, 0), FakePictureModule::colourOf(2000));
    QCOMPARE(image.pixel(35, 19), FakePictureModule::colourOf(2001));
    QCOMPARE(image.pixel(35, 19 + 15), FakePictureModule::colourOf(2002));
    QCOMPARE(image.pixel(35 + 8, 19 + 15 + 8), FakePictureModule::colourOf(2551));
    QCOMPARE(image.pixel(70, 0), FakePictureModule::colourOf(2003));
    QCOMPARE(image.pixel(70, 7), FakePictureModule::colourOf(2004));
    QCOMPARE(image.pixel(70, 14), FakePictureModule::colourOf(2005));
    QCOMPARE(image.pixel(70 + 8, 14 + 8), FakePictureModule::colourOf(2552));
    QCOMPARE(image.pixel(70 + 20, 14 + 20), FakePictureModule::colourOf(2005));
    QCOMPARE(image.pixel(0, 39), original_.pixel(0, 39));
}

void TestMapBoard::clearAllForgetsWithoutCalling() {
    make(2000, 3);
    board_->rebuild(counters_);
    counters_.clear(); // the manager recreating its counters leaves stale pointers behind
    board_->clearAll();
    QCOMPARE(board_->count(3), 0);
    QVERIFY(changes_.empty());
}

void TestMapBoard::counterAtConvertsSafely() {
    ZeKCounter* a = make(2000, 4);
    Pebble pebble;
    board_->rebuild(counters_);
    QCOMPARE(zekCounterAt(*board_, 4), a);
    QCOMPARE(zekCounterAt(*board_, 5), nullptr);
    board_->moveTop(4, 5);
    QCOMPARE(zekCounterAt(*board_, 5), a);
    pebble.moveTo(ZeKClick(5));
    std::vector<Counter*> mixed{a, &pebble};
    board_->rebuild(mixed);
    QCOMPARE(board_->counterAt(5), &pebble);
    QCOMPARE(zekCounterAt(*board_, 5), nullptr);
}

void TestMapBoard::indexesOutsideTheGridAreIgnored_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("2967") << 2967;
    QTest::newRow("huge") << 0x7fffffff;
}

void TestMapBoard::indexesOutsideTheGridAreIgnored() {
    QFETCH(int, index);
    make(2000, 0);
    board_->rebuild(counters_);
    board_->moveTop(0, index);
    board_->moveAll(0, index);
    board_->moveTop(index, 0);
    board_->moveAll(index, 0);
    board_->redrawHex(index);
    board_->rotateStack(index);
    QCOMPARE(board_->counterAt(index), nullptr);
    QCOMPARE(board_->count(index), 0);
    QCOMPARE(board_->count(0), 1);
    QVERIFY(changes_.empty());
}

void TestMapBoard::moveRepaintsOnlyTheTwoHexes() {
    make(2000, 0);
    board_->rebuild(counters_);
    board_->moveTop(0, 70);
    const QRect from = board_->hex(0).counterArea();
    const QRect to = board_->hex(70).counterArea();
    QVERIFY(!changes_.empty());
    for (const QRect& r : changes_)
        QVERIFY(from.contains(r) || to.contains(r));
}

QTEST_APPLESS_MAIN(TestMapBoard)
#include "tst_mapboard.moc"
