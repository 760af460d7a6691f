#include "base/bytestream.h"
#include "board/mappicture.h"
#include "combat/taggermgr.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <list>
#include <set>

namespace {

// A tags section holding the records, as a file would.
QByteArray tagsSection(const std::vector<TagRecord>& records,
                       std::int32_t mark = kTagsSectionMark) {
    ByteWriter out;
    out.writeInt32(mark);
    out.writeInt32(static_cast<std::int32_t>(records.size()));
    for (const TagRecord& r : records)
        Tagger(nullptr, nullptr, r.position, r.dieValue, r.comment, false).writeTag(out);
    return out.take();
}

std::vector<std::string> shownAt(const TaggerMgr& mgr, AFPoint position) {
    std::vector<std::string> shown;
    mgr.showCombatsAt(position, [&](const Tagger& tag) {
        shown.push_back(tag.comment() + "/" + std::to_string(tag.dieValue()));
    });
    return shown;
}

const AFPoint kHexA(35, 19);   // column 1: picture at (27, 19)
const AFPoint kHexB(70, 39);   // column 2: picture at (62, 39)
const AFPoint kColumn0(0, 78); // column 0: picture at (24, 78)

using Records = std::vector<TagRecord>;
using Comments = std::vector<std::string>;

} // namespace

Q_DECLARE_METATYPE(AFPoint)
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(Comments)

class TestTaggerMgr : public QObject {
    Q_OBJECT
private slots:
    void init();
    void secondCombatAtHexIsSilent();
    void ownOverOpenedAndClearingRestoresMap();
    void hidingTwiceChangesNothing();
    void combatsAfterHiding();
    void showOrderOwnThenOpened();
    void column0IsLookedUpByHexPosition();
    void writeOrdersByPosition();
    void writeWithoutTags();
    void readKeepsFileOrderAndDrawsFirstOnly();
    void openedAsIfInsertedOneByOne_data();
    void openedAsIfInsertedOneByOne();
    void firstTagsInARectangle_data();
    void firstTagsInARectangle();
    void readReplacesOwnTags();
    void badSectionsChangeNothing_data();
    void badSectionsChangeNothing();
    void missingPictureChangesNothing();
    void revisionFollowsWhatASaveWrites();
    void destructorTakesAllPicturesOff();

private:
    FakePictureModule pictures_{{.anyIdentifier = true}};
    std::unique_ptr<MapPicture> map_;
    std::unique_ptr<TaggerMgr> mgr_;
    QImage original_;
};

void TestTaggerMgr::init() {
    pictures_.missing.clear();
    original_ = patternMap(160, 240);
    mgr_.reset();
    map_ = std::make_unique<MapPicture>(original_);
    mgr_ = std::make_unique<TaggerMgr>(&pictures_, map_.get());
}

void TestTaggerMgr::secondCombatAtHexIsSilent() {
    mgr_->addCombat({kHexA, 2, "first"});
    mgr_->addCombat({kHexA, 5, "second"});
    QCOMPARE(mgr_->ownCount(), 2u);
    auto it = mgr_->ownTags().begin();
    QCOMPARE(it->comment(), std::string("first"));
    QCOMPARE(it->mapBitmap(), map_.get());
    ++it;
    QCOMPARE(it->comment(), std::string("second"));
    QCOMPARE(it->mapBitmap(), nullptr);
    QVERIFY(blockIs(map_->image(), 27, 19, FakePictureModule::colourOf(16012)));
}

void TestTaggerMgr::ownOverOpenedAndClearingRestoresMap() {
    const QByteArray inBytes = tagsSection({{kHexA, 3, "theirs"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    QVERIFY(blockIs(map_->image(), 27, 19, FakePictureModule::colourOf(16023)));
    mgr_->addCombat({kHexA, 1, "mine"});
    QVERIFY(blockIs(map_->image(), 27, 19, FakePictureModule::colourOf(16011)));
    // Own pictures come off first, then the opened ones, so the map is whole again.
    mgr_->clearTags();
    QCOMPARE(mgr_->ownCount() + mgr_->openedCount(), 0u);
    QCOMPARE(map_->image(), original_);
}

void TestTaggerMgr::hidingTwiceChangesNothing() {
    const QByteArray inBytes = tagsSection({{kHexA, 3, "theirs"}, {kColumn0, 6, "edge"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    mgr_->addCombat({kHexA, 1, "mine"});
    mgr_->addCombat({kHexB, 4, "mine too"});
    ByteWriter before;
    mgr_->writeTags(before);

    mgr_->hideTags();
    QCOMPARE(map_->image(), original_);
    mgr_->hideTags();
    QCOMPARE(map_->image(), original_);
    QCOMPARE(mgr_->ownCount(), 2u);
    QCOMPARE(mgr_->openedCount(), 2u);
    ByteWriter after;
    mgr_->writeTags(after);
    QCOMPARE(after.bytes(), before.bytes());
    QCOMPARE(shownAt(*mgr_, kHexA), (Comments{"mine/1", "theirs/3"}));
    mgr_->clearTags();
    QCOMPARE(map_->image(), original_);
}

void TestTaggerMgr::combatsAfterHiding() {
    mgr_->addCombat({kHexA, 1, "mine"});
    mgr_->hideTags();
    mgr_->addCombat({kHexA, 2, "again"});
    QCOMPARE(map_->image(), original_);
    mgr_->addCombat({kHexB, 5, "new hex"});
    QVERIFY(blockIs(map_->image(), 62, 39, FakePictureModule::colourOf(16015)));
    mgr_->clearTags();
    QCOMPARE(map_->image(), original_);
}

void TestTaggerMgr::showOrderOwnThenOpened() {
    const QByteArray inBytes =
        tagsSection({{kHexA, 3, "o1"}, {kHexB, 2, "elsewhere"}, {kHexA, 4, "o2"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    mgr_->addCombat({kHexA, 6, "m1"});
    mgr_->addCombat({kHexB, 1, "m-other"});
    mgr_->addCombat({kHexA, 5, "m2"});
    QCOMPARE(shownAt(*mgr_, kHexA), (Comments{"m1/6", "m2/5", "o1/3", "o2/4"}));
    QVERIFY(shownAt(*mgr_, AFPoint(105, 0)).empty());
}

void TestTaggerMgr::column0IsLookedUpByHexPosition() {
    mgr_->addCombat({kColumn0, 2, "edge"});
    QVERIFY(blockIs(map_->image(), 24, 78, FakePictureModule::colourOf(16012)));
    QCOMPARE(shownAt(*mgr_, kColumn0), Comments{"edge/2"});
    QVERIFY(shownAt(*mgr_, AFPoint(24, 78)).empty());
}

void TestTaggerMgr::writeOrdersByPosition() {
    mgr_->addCombat({AFPoint(70, 0), 1, "later x"});
    mgr_->addCombat({AFPoint(35, 58), 2, "b"});
    mgr_->addCombat({AFPoint(35, 19), 3, "a"});
    mgr_->addCombat({AFPoint(35, 58), 4, "b2"});
    const QByteArray inBytes = tagsSection({{kHexB, 2, "opened, not written"}});
    ByteReader in(inBytes);
    TaggerMgr other(&pictures_, nullptr);
    other.readTags(in);

    ByteWriter out;
    mgr_->writeTags(out);
    const QByteArray expected = tagsSection({{AFPoint(35, 19), 3, "a"},
                                             {AFPoint(35, 58), 2, "b"},
                                             {AFPoint(35, 58), 4, "b2"},
                                             {AFPoint(70, 0), 1, "later x"}});
    QCOMPARE(out.bytes(), expected);
    ByteWriter none;
    other.writeTags(none);
    QCOMPARE(none.bytes(), QByteArray::fromHex("7cf4b80000000000"));
}

void TestTaggerMgr::writeWithoutTags() {
    ByteWriter out;
    mgr_->writeTags(out);
    QCOMPARE(out.bytes(), QByteArray::fromHex("7cf4b80000000000"));
    mgr_->addCombat({kHexA, 1, "gone"});
    ByteReader in(out.bytes());
    mgr_->readTags(in);
    QCOMPARE(mgr_->ownCount() + mgr_->openedCount(), 0u);
    QCOMPARE(map_->image(), original_);
}

void TestTaggerMgr::readKeepsFileOrderAndDrawsFirstOnly() {
    const QByteArray inBytes =
        tagsSection({{kHexA, 4, "one"}, {kHexA, 2, "two"}, {kHexA, 6, "three"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    QVERIFY(in.atEnd());
    QCOMPARE(shownAt(*mgr_, kHexA), (Comments{"one/4", "two/2", "three/6"}));
    QVERIFY(blockIs(map_->image(), 27, 19, FakePictureModule::colourOf(16024)));
    int drawn = 0;
    for (const Tagger& tag : mgr_->openedTags()) {
        QVERIFY(tag.fromFile());
        drawn += tag.mapBitmap() ? 1 : 0;
    }
    QCOMPARE(drawn, 1);
}

void TestTaggerMgr::openedAsIfInsertedOneByOne_data() {
    QTest::addColumn<Records>("records");
    QTest::newRow("in order") << Records{{kHexA, 4, "a1"}, {kHexA, 2, "a2"}, {kHexB, 1, "b1"}};
    QTest::newRow("in no order") << Records{{kHexB, 1, "b1"},
                                            {kHexA, 4, "a1"},
                                            {kHexB, 6, "b2"},
                                            {kColumn0, 3, "c1"},
                                            {kHexA, 2, "a2"}};
    // Blocks that overlap show the picture drawn last in file order.
    QTest::newRow("overlapping in no order") << Records{
        {AFPoint(40, 20), 1, "p1"}, {AFPoint(37, 22), 2, "q"}, {AFPoint(40, 20), 3, "p2"},
        {AFPoint(43, 18), 4, "r"},  {AFPoint(38, 25), 5, "s"}, {AFPoint(36, 19), 6, "t"}};
    QTest::newRow("off the map and at its edges") << Records{{AFPoint(-50, 10), 1, "w1"},
                                                             {AFPoint(5000, 5000), 2, "far"},
                                                             {AFPoint(2, 3), 4, "left"},
                                                             {AFPoint(-50, 10), 3, "w2"},
                                                             {AFPoint(165, 236), 5, "corner"}};
}

void TestTaggerMgr::openedAsIfInsertedOneByOne() {
    QFETCH(Records, records);
    const QByteArray bytes = tagsSection(records);
    ByteReader in(bytes);
    mgr_->readTags(in);

    // One tag at a time in file order, the first at each position drawing.
    MapPicture reference(original_);
    std::list<Tagger> drawn;
    std::set<AFPoint> seen;
    for (const TagRecord& r : records)
        if (seen.insert(r.position).second)
            drawn.emplace_back(&pictures_, &reference, r.position, r.dieValue, r.comment, true)
                .draw();
    QCOMPARE(map_->image(), reference.image());

    Records sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TagRecord& a, const TagRecord& b) {
        return a.position < b.position;
    });
    QCOMPARE(mgr_->openedCount(), sorted.size());
    auto expected = sorted.begin();
    const AFPoint* previous = nullptr;
    for (const Tagger& tag : mgr_->openedTags()) {
        QCOMPARE(tag.comment(), expected->comment);
        QCOMPARE(tag.mapBitmap() != nullptr, !previous || !(*previous == tag.position()));
        previous = &tag.position();
        ++expected;
    }
    // Pictures come off in the set's order.
    mgr_->clearTags();
    drawn.sort([](const Tagger& a, const Tagger& b) { return a.position() < b.position(); });
    while (!drawn.empty())
        drawn.pop_front();
    QCOMPARE(map_->image(), reference.image());
}

void TestTaggerMgr::firstTagsInARectangle_data() {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    QTest::addColumn<AFPoint>("topLeft");
    QTest::addColumn<AFPoint>("bottomRight");
    QTest::addColumn<Comments>("visited");
    QTest::newRow("everything") << AFPoint(kMin, kMin) << AFPoint(kMax, kMax)
                                << Comments{"far left", "10,10", "10,20",       "11,5",
                                            "12,15",    "20,10", "far right 0", "far right 5"};
    QTest::newRow("corners included")
        << AFPoint(10, 10) << AFPoint(12, 15) << Comments{"10,10", "12,15"};
    QTest::newRow("one pixel") << AFPoint(12, 15) << AFPoint(12, 15) << Comments{"12,15"};
    QTest::newRow("between columns") << AFPoint(13, kMin) << AFPoint(19, kMax) << Comments{};
    QTest::newRow("rows of the last column")
        << AFPoint(kMax, 1) << AFPoint(kMax, kMax) << Comments{"far right 5"};
    QTest::newRow("first column") << AFPoint(kMin, 0) << AFPoint(0, 100) << Comments{"far left"};
}

void TestTaggerMgr::firstTagsInARectangle() {
    QFETCH(AFPoint, topLeft);
    QFETCH(AFPoint, bottomRight);
    QFETCH(Comments, visited);
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const QByteArray bytes = tagsSection({{AFPoint(12, 15), 1, "12,15"},
                                          {AFPoint(10, 10), 1, "10,10"},
                                          {AFPoint(kMax, 5), 1, "far right 5"},
                                          {AFPoint(10, 20), 1, "10,20"},
                                          {AFPoint(12, 15), 2, "second at 12,15"},
                                          {AFPoint(11, 5), 1, "11,5"},
                                          {AFPoint(10, 10), 2, "second at 10,10"},
                                          {AFPoint(kMin, 7), 1, "far left"},
                                          {AFPoint(20, 10), 1, "20,10"},
                                          {AFPoint(kMax, 0), 1, "far right 0"}});
    ByteReader in(bytes);
    mgr_->readTags(in);
    std::vector<std::string> seen;
    TaggerMgr::forEachFirstIn(mgr_->openedTags(), topLeft, bottomRight,
                              [&seen](const Tagger& tag) { seen.push_back(tag.comment()); });
    QCOMPARE(seen, visited);
}

void TestTaggerMgr::readReplacesOwnTags() {
    mgr_->addCombat({kHexB, 1, "before the open"});
    const QByteArray inBytes = tagsSection({{kHexA, 4, "theirs"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    QVERIFY(!mgr_->hasOwnTags());
    QVERIFY(shownAt(*mgr_, kHexB).empty());
    QCOMPARE(map_->image().copy(62, 39, 8, 8), original_.copy(62, 39, 8, 8));
}

void TestTaggerMgr::badSectionsChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = tagsSection({{kHexA, 4, "one"}, {kHexB, 2, "two"}});
    QTest::newRow("wrong mark") << tagsSection({{kHexA, 4, "x"}}, 11111111);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only the mark") << good.left(4);
    QTest::newRow("cut in the last record") << good.left(good.size() - 1);
    QTest::newRow("negative count") << QByteArray::fromHex("7cf4b800ffffffff");
    QTest::newRow("huge count") << QByteArray::fromHex("7cf4b800ffffff7f") + good.mid(8);
    QTest::newRow("count one too many") << QByteArray::fromHex("7cf4b80003000000") + good.mid(8);
    QTest::newRow("die 0") << tagsSection({{kHexA, 0, "x"}});
    QTest::newRow("die 7") << tagsSection({{kHexA, 4, "x"}, {kHexB, 7, "y"}});
    QTest::newRow("die -1") << tagsSection({{kHexA, -1, "x"}});
    QTest::newRow("comment of 81") << tagsSection({{kHexA, 4, std::string(81, 'c')}});
}

void TestTaggerMgr::badSectionsChangeNothing() {
    QFETCH(QByteArray, bytes);
    const QByteArray openedBytes = tagsSection({{kHexB, 3, "theirs"}});
    ByteReader opened(openedBytes);
    mgr_->readTags(opened);
    mgr_->addCombat({kHexA, 5, "mine"});
    const QImage before = map_->image();
    ByteReader in(bytes);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, mgr_->readTags(in));
    QCOMPARE(map_->image(), before);
    QCOMPARE(shownAt(*mgr_, kHexA), Comments{"mine/5"});
    QCOMPARE(shownAt(*mgr_, kHexB), Comments{"theirs/3"});
}

void TestTaggerMgr::missingPictureChangesNothing() {
    mgr_->addCombat({kHexA, 5, "mine"});
    const QImage before = map_->image();
    pictures_.missing.insert(16026);
    const QByteArray inBytes = tagsSection({{kHexB, 3, "fine"}, {AFPoint(105, 0), 6, "missing"}});
    ByteReader in(inBytes);
    QVERIFY_THROWS_EXCEPTION(ResourceError, mgr_->readTags(in));
    QCOMPARE(map_->image(), before);
    QCOMPARE(mgr_->ownCount(), 1u);
    QCOMPARE(mgr_->openedCount(), 0u);
    // A silent second tag needs no picture.
    const QByteArray silentBytes = tagsSection({{kHexB, 3, "drawn"}, {kHexB, 6, "silent"}});
    ByteReader silent(silentBytes);
    mgr_->readTags(silent);
    QCOMPARE(mgr_->openedCount(), 2u);
}

void TestTaggerMgr::revisionFollowsWhatASaveWrites() {
    const auto start = mgr_->ownRevision();
    mgr_->hideTags();
    QCOMPARE(mgr_->ownRevision(), start);
    mgr_->addCombat({kHexA, 5, "mine"});
    const auto afterCombat = mgr_->ownRevision();
    QVERIFY(afterCombat != start);
    ByteWriter out;
    mgr_->writeTags(out);
    mgr_->hideTags();
    QCOMPARE(mgr_->ownRevision(), afterCombat);
    const QByteArray inBytes = tagsSection({});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    QVERIFY(mgr_->ownRevision() != afterCombat);
}

void TestTaggerMgr::destructorTakesAllPicturesOff() {
    const QByteArray inBytes = tagsSection({{kHexA, 3, "theirs"}, {kColumn0, 1, "edge"}});
    ByteReader in(inBytes);
    mgr_->readTags(in);
    mgr_->addCombat({kHexA, 1, "mine"});
    mgr_->addCombat({kHexB, 2, "mine"});
    QVERIFY(map_->image() != original_);
    mgr_.reset();
    QCOMPARE(map_->image(), original_);
}

QTEST_GUILESS_MAIN(TestTaggerMgr)
#include "tst_taggermgr.moc"
