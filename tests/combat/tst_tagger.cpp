#include "base/bytestream.h"
#include "board/mappicture.h"
#include "combat/tagger.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

#include <climits>
#include <set>

class TestTagger : public QObject {
    Q_OBJECT
private slots:
    void init();
    void drawPosition_data();
    void drawPosition();
    void pictureId_data();
    void pictureId();
    void ordering();
    void drawShowsPictureAndDestroyPutsBlockBack();
    void neverDrawnTagLeavesMapAlone();
    void searchKeysNeverTouchTheMap();
    void destroyedCopyOfDrawnTagTakesPictureOff();
    void secondDrawKeepsFirstBlock();
    void assignmentErasesTargetFirst();
    void missingPictureKeepsBlockAndDrawsNothing();
    void positionsOffTheMap_data();
    void positionsOffTheMap();
    void recordBytes();
    void recordRoundTrip_data();
    void recordRoundTrip();
    void badRecordsLeaveTagUnchanged_data();
    void badRecordsLeaveTagUnchanged();

private:
    FakePictureModule pictures_{{.anyIdentifier = true}};
    std::unique_ptr<MapPicture> map_;
    QImage original_;
};

void TestTagger::init() {
    pictures_.missing.clear();
    pictures_.loads = 0;
    original_ = patternMap(160, 240);
    map_ = std::make_unique<MapPicture>(original_);
}

void TestTagger::drawPosition_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("drawX");
    QTest::addColumn<int>("drawY");
    QTest::newRow("column 0, row 0") << 0 << 0 << 24 << 0;
    QTest::newRow("column 0, last row") << 0 << 2652 << 24 << 2652;
    QTest::newRow("column 1") << 35 << 19 << 27 << 19;
    QTest::newRow("column 2") << 70 << 0 << 62 << 0;
    QTest::newRow("x 7") << 7 << 5 << 24 << 5;
    QTest::newRow("x 8") << 8 << 5 << 0 << 5;
    QTest::newRow("smallest x") << INT_MIN << -3 << 24 << -3;
}

void TestTagger::drawPosition() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, drawX);
    QFETCH(int, drawY);
    QCOMPARE(Tagger(AFPoint(x, y)).drawPosition(), AFPoint(drawX, drawY));
}

void TestTagger::pictureId_data() {
    QTest::addColumn<int>("die");
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<int>("id");
    QTest::newRow("rolled 1") << 1 << false << 16011;
    QTest::newRow("rolled 4") << 4 << false << 16014;
    QTest::newRow("rolled 6") << 6 << false << 16016;
    QTest::newRow("read 1") << 1 << true << 16021;
    QTest::newRow("read 4") << 4 << true << 16024;
    QTest::newRow("read 6") << 6 << true << 16026;
    QTest::newRow("search key") << 0 << false << 16010;
    QTest::newRow("absurd die") << INT_MAX << true << -1;
}

void TestTagger::pictureId() {
    QFETCH(int, die);
    QFETCH(bool, fromFile);
    QFETCH(int, id);
    QCOMPARE(Tagger(&pictures_, nullptr, AFPoint(35, 19), die, "c", fromFile).pictureId(), id);
}

void TestTagger::ordering() {
    const std::less<Tagger> less;
    const Tagger a(&pictures_, nullptr, AFPoint(35, 19), 6, "first", false);
    const Tagger b(nullptr, nullptr, AFPoint(35, 19), 1, "other", true);
    QVERIFY(!less(a, b) && !less(b, a));
    QVERIFY(less(Tagger(AFPoint(35, 19)), Tagger(AFPoint(35, 58))));
    QVERIFY(less(Tagger(AFPoint(35, 58)), Tagger(AFPoint(70, 0))));
    QVERIFY(!less(Tagger(AFPoint(70, 0)), Tagger(AFPoint(35, 58))));

    // A multiset keeps equal tags in insertion order.
    std::multiset<Tagger> tags;
    for (const char* comment : {"one", "two", "three"})
        tags.insert(Tagger(nullptr, nullptr, AFPoint(35, 19), 1, comment, false));
    tags.insert(Tagger(AFPoint(0, 39)));
    std::vector<std::string> order;
    for (const Tagger& t : tags)
        order.push_back(t.comment());
    QCOMPARE(order, (std::vector<std::string>{"", "one", "two", "three"}));
}

void TestTagger::drawShowsPictureAndDestroyPutsBlockBack() {
    {
        Tagger tag(&pictures_, map_.get(), AFPoint(35, 19), 3, "x", false);
        QCOMPARE(map_->image(), original_);
        tag.draw();
        QVERIFY(tag.hasSavedBackground());
        QVERIFY(blockIs(map_->image(), 27, 19, FakePictureModule::colourOf(16013)));
        // Only the 8 x 8 block changed.
        QCOMPARE(map_->image().copy(0, 0, 27, 240), original_.copy(0, 0, 27, 240));
        QCOMPARE(map_->image().copy(35, 0, 125, 240), original_.copy(35, 0, 125, 240));
    }
    QCOMPARE(map_->image(), original_);
}

void TestTagger::neverDrawnTagLeavesMapAlone() {
    int changes = 0;
    map_->setChangeListener([&](const QRect&) { ++changes; });
    { Tagger tag(&pictures_, map_.get(), AFPoint(35, 19), 3, "x", false); }
    QCOMPARE(changes, 0);
    QCOMPARE(pictures_.loads, 0);
}

void TestTagger::searchKeysNeverTouchTheMap() {
    int changes = 0;
    map_->setChangeListener([&](const QRect&) { ++changes; });
    {
        Tagger key(AFPoint(35, 19));
        key.draw();
        Tagger copy(key);
        std::multiset<Tagger> tags{copy, key};
        copy = key;
        copy.erase();
        QVERIFY(!copy.hasSavedBackground());
    }
    QCOMPARE(changes, 0);
    QCOMPARE(map_->image(), original_);
}

void TestTagger::destroyedCopyOfDrawnTagTakesPictureOff() {
    Tagger source(&pictures_, map_.get(), AFPoint(70, 39), 5, "x", true);
    source.draw();
    const QImage drawn = map_->image();
    {
        Tagger copy(source);
        QVERIFY(copy.hasSavedBackground());
        QCOMPARE(map_->image(), drawn);
    }
    // The copy put back the block under the source's first draw although the source lives.
    QCOMPARE(map_->image(), original_);
    QVERIFY(source.hasSavedBackground());
}

void TestTagger::secondDrawKeepsFirstBlock() {
    {
        Tagger tag(&pictures_, map_.get(), AFPoint(70, 39), 2, "x", false);
        tag.draw();
        tag.draw();
        tag.erase();
        QCOMPARE(map_->image(), original_);
        tag.erase();
        QCOMPARE(map_->image(), original_);
        tag.draw();
        QVERIFY(blockIs(map_->image(), 62, 39, FakePictureModule::colourOf(16012)));
    }
    QCOMPARE(map_->image(), original_);
}

void TestTagger::assignmentErasesTargetFirst() {
    {
        Tagger a(&pictures_, map_.get(), AFPoint(35, 19), 1, "a", false);
        Tagger b(&pictures_, map_.get(), AFPoint(105, 58), 6, "b", false);
        a.draw();
        b.draw();
        a = b;
        QCOMPARE(a.position(), AFPoint(105, 58));
        QCOMPARE(a.comment(), std::string("b"));
        // a's old place is clean again; both now show b's picture at b's place.
        QCOMPARE(map_->image().copy(27, 19, 8, 8), original_.copy(27, 19, 8, 8));
        QVERIFY(blockIs(map_->image(), 97, 58, FakePictureModule::colourOf(16016)));
    }
    QCOMPARE(map_->image(), original_);
}

void TestTagger::missingPictureKeepsBlockAndDrawsNothing() {
    pictures_.missing.insert(16014);
    Tagger tag(&pictures_, map_.get(), AFPoint(35, 19), 4, "x", false);
    QVERIFY_THROWS_EXCEPTION(ResourceError, tag.draw());
    QVERIFY(tag.hasSavedBackground());
    QCOMPARE(map_->image(), original_);
    // A copy of it cannot be made either, and the failed copy leaves no trace.
    QVERIFY_THROWS_EXCEPTION(ResourceError, Tagger{tag});
    QCOMPARE(map_->image(), original_);
}

void TestTagger::positionsOffTheMap_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("far right") << 100000 << 10;
    QTest::newRow("far down") << 35 << 100000;
    QTest::newRow("above") << 35 << -8;
    QTest::newRow("largest") << INT_MAX << INT_MAX;
    QTest::newRow("smallest") << INT_MIN << INT_MIN;
    QTest::newRow("half over the right edge") << 164 << 10;
    QTest::newRow("half over the bottom edge") << 35 << 236;
}

void TestTagger::positionsOffTheMap() {
    QFETCH(int, x);
    QFETCH(int, y);
    {
        Tagger tag(&pictures_, map_.get(), AFPoint(x, y), 3, "x", true);
        tag.draw();
        Tagger copy(tag);
    }
    QCOMPARE(map_->image(), original_);
}

void TestTagger::recordBytes() {
    ByteWriter out;
    Tagger(&pictures_, map_.get(), AFPoint(35, 58), 4, "Ab", false).writeTag(out);
    const QByteArray expected = QByteArray::fromHex("3c8c4300"
                                                    "23000000"
                                                    "3a000000"
                                                    "04000000"
                                                    "02000000"
                                                    "416200");
    QCOMPARE(out.bytes(), expected);
    QCOMPARE(map_->image(), original_);
}

void TestTagger::recordRoundTrip_data() {
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<int>("die");
    QTest::newRow("empty comment") << QByteArray() << 1;
    QTest::newRow("80 characters") << QByteArray(80, 'z') << 6;
    QTest::newRow("code page bytes") << QByteArray("\xe9t\xe9 \x80 \x96") << 3;
}

void TestTagger::recordRoundTrip() {
    QFETCH(QByteArray, comment);
    QFETCH(int, die);
    const Tagger written(&pictures_, nullptr, AFPoint(1505, 2691), die, comment.toStdString(),
                         false);
    ByteWriter out;
    written.writeTag(out);
    QCOMPARE(out.bytes().size(), 21 + comment.size());

    Tagger read(AFPoint(0, 0));
    ByteReader in(out.bytes());
    read.readTag(in);
    QVERIFY(in.atEnd());
    QCOMPARE(read.position(), written.position());
    QCOMPARE(read.dieValue(), die);
    QCOMPARE(read.comment(), comment.toStdString());
    QVERIFY(read.fromFile());
    QCOMPARE(read.mapBitmap(), nullptr);

    ByteWriter again;
    read.writeTag(again);
    QCOMPARE(again.bytes(), out.bytes());
}

void TestTagger::badRecordsLeaveTagUnchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = QByteArray::fromHex("3c8c4300230000003a00000004000000");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ends in the position") << head.left(10);
    QTest::newRow("ends before the length") << head;
    QTest::newRow("comment of 81") << head + QByteArray::fromHex("51000000") + QByteArray(82, 'a');
    QTest::newRow("negative length") << head + QByteArray::fromHex("ffffffff") + QByteArray(4, 'a');
    QTest::newRow("huge length") << head + QByteArray::fromHex("ffffff7f");
    QTest::newRow("no zero byte") << head + QByteArray::fromHex("02000000") + QByteArray("ab");
}

void TestTagger::badRecordsLeaveTagUnchanged() {
    QFETCH(QByteArray, bytes);
    Tagger tag(&pictures_, nullptr, AFPoint(70, 0), 2, "kept", false);
    ByteReader in(bytes);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, tag.readTag(in));
    QCOMPARE(tag.position(), AFPoint(70, 0));
    QCOMPARE(tag.dieValue(), 2);
    QCOMPARE(tag.comment(), std::string("kept"));
    QVERIFY(!tag.fromFile());
}

QTEST_GUILESS_MAIN(TestTagger)
#include "tst_tagger.moc"
