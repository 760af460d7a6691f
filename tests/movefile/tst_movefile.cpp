#include "base/bytestream.h"
#include "geometry/hexgrid.h"
#include "movefile/openedmovefile.h"
#include "tests/common/testgame.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A move file put together field by field, independently of the encoder, so that
// damaged variants are easy to make.
struct FileBuilder {
    std::int32_t countersMark = 11111111;
    std::int32_t counterCount = 234;
    std::vector<std::array<std::int32_t, 3>> records;
    std::int32_t tagsMark = 12121212;
    std::int32_t tagCount = -1; // -1: the number of tags
    std::vector<TagRecord> tags;
    std::array<std::string, 3> banners;
    // kTextLength: the text's own length; anything else is stored in its place.
    static constexpr std::int32_t kTextLength = INT32_MIN;
    std::array<std::int32_t, 3> bannerLengths = {kTextLength, kTextLength, kTextLength};

    FileBuilder() {
        for (std::int32_t n = 1; n <= 234; ++n)
            records.push_back({n, n, 0});
    }

    QByteArray bytes() const {
        ByteWriter out;
        out.writeInt32(countersMark);
        out.writeInt32(counterCount);
        for (const auto& r : records)
            for (const std::int32_t word : r)
                out.writeInt32(word);
        out.writeInt32(tagsMark);
        out.writeInt32(tagCount >= 0 ? tagCount : static_cast<std::int32_t>(tags.size()));
        for (const TagRecord& t : tags) {
            out.writeInt32(4426812);
            out.writeInt32(t.position.x);
            out.writeInt32(t.position.y);
            out.writeInt32(t.dieValue);
            out.writeText(t.comment);
        }
        for (std::size_t i = 0; i < 3; ++i) {
            if (bannerLengths[i] == kTextLength) {
                out.writeText(banners[i]);
            } else {
                out.writeInt32(bannerLengths[i]);
                out.writeBytes(banners[i].data(), static_cast<qsizetype>(banners[i].size()));
                out.writeBytes("", 1);
            }
        }
        return out.take();
    }
};

// The third banner's default: 61 spaces and a 29-character address.
const std::string kDefaultBanner = std::string(61, ' ') + "https://korva.example.org/ita";

QByteArray word(std::int32_t value) {
    ByteWriter out;
    out.writeInt32(value);
    return out.take();
}

} // namespace

class TestMoveFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void minimalFile();
    void stateWords_data();
    void stateWords();
    void endOfTurnWritesPresentHexes();
    void tagsInPositionThenMakingOrder();
    void bannerTexts_data();
    void bannerTexts();
    void roundTrip();
    void openPlacesCountersAndDrawsTags();
    void openThrowsAwayOwnTagsAndMoves();
    void acceptedOddities_data();
    void acceptedOddities();
    void damagedFilesChangeNothing_data();
    void damagedFilesChangeNothing();
    void everyTruncationIsRefused();
    void filesThatAreNotMoveFiles_data();
    void filesThatAreNotMoveFiles();
    void missingTagPictureChangesNothing();
    void failedDrawPutsEverythingBack_data();
    void failedDrawPutsEverythingBack();
    void overlongTextsAreNotWritten();

private:
    // A game in the middle of a turn: an opened file with combats, moves, own combats.
    void prepareGame(TestGame& game);
    QString writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("m.krv"));

    std::unique_ptr<QTemporaryDir> dir_;
    int stepsOf3_ = 0; // the first counter with at least three loss steps
};

void TestMoveFile::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    if (stepsOf3_ == 0) {
        CounterMgr counters;
        int n = 0;
        for (const auto& c : counters.counters()) {
            ++n;
            if (c->steps() >= 3) {
                stepsOf3_ = n;
                break;
            }
        }
        QVERIFY(stepsOf3_ > 0);
    }
}

QString TestMoveFile::writeFile(const QByteArray& bytes, const QString& name) {
    const QString path = dir_->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

void TestMoveFile::prepareGame(TestGame& game) {
    FileBuilder opened;
    opened.records[0] = {100, 400, 1001};
    opened.records[1] = {5, 5, 2000};
    opened.records[41] = {300, 300, 0};
    opened.tags = {{hexgrid::hexPosition(400), 4, "theirs"}, {hexgrid::hexPosition(5), 2, "edge"}};
    opened.banners = {"Turn 3", "Axis", kDefaultBanner};
    QCOMPARE(game.openFile(writeFile(opened.bytes(), QStringLiteral("opened.krv"))), std::string());
    game.moveTop(400, 239);
    game.addCombat({hexgrid::hexPosition(239), 6, "mine"});
    game.addCombat({hexgrid::hexPosition(239), 1, "mine again"});
}

void TestMoveFile::minimalFile() {
    TestGame game;
    const QByteArray bytes = encodeMoveFile(game.counters(), game.tags(), {}, false);
    QCOMPARE(bytes.size(), 2839);
    QCOMPARE(bytes.left(8), QByteArray::fromHex("c78aa900ea000000"));
    for (int n = 1; n <= 234; ++n)
        QCOMPARE(bytes.mid(8 + (n - 1) * 12, 12), word(n) + word(n) + word(0));
    QCOMPARE(bytes.mid(2816), QByteArray::fromHex("7cf4b80000000000") + QByteArray(15, '\0'));
    QCOMPARE(bytes, FileBuilder().bytes());
    const MoveFileContents contents = parseMoveFile(bytes);
    QCOMPARE(contents.counters.size(), 234u);
    QVERIFY(contents.tags.empty());
    QCOMPARE(encodeMoveFile(contents), bytes);
}

void TestMoveFile::stateWords_data() {
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("marker");
    QTest::addColumn<int>("losses");
    QTest::addColumn<int>("stateWord");
    QTest::newRow("marker 2, losses 1") << 1 << 2 << 1 << 2001;
    QTest::newRow("marker 0, losses 3") << 0 << 0 << 3 << 3;
    QTest::newRow("marker 1, losses 0") << 1 << 1 << 0 << 1000;
    QTest::newRow("nothing") << 1 << 0 << 0 << 0;
}

void TestMoveFile::stateWords() {
    QFETCH(int, counter);
    QFETCH(int, marker);
    QFETCH(int, losses);
    QFETCH(int, stateWord);
    if (counter == 0)
        counter = stepsOf3_;
    TestGame game;
    game.counter(counter).setState({counter, counter, losses, marker});
    const QByteArray bytes = encodeMoveFile(game.counters(), game.tags(), {}, false);
    QCOMPARE(bytes.mid(8 + (counter - 1) * 12 + 8, 4), word(stateWord));
    const CounterRecord read = parseMoveFile(bytes).counters[std::size_t(counter - 1)];
    QCOMPARE(read.marker, marker);
    QCOMPARE(read.losses, losses);
}

void TestMoveFile::endOfTurnWritesPresentHexes() {
    TestGame game;
    prepareGame(game);
    const auto before = game.snapshot();
    const MoveFileContents keep =
        parseMoveFile(encodeMoveFile(game.counters(), game.tags(), {}, false));
    const MoveFileContents end =
        parseMoveFile(encodeMoveFile(game.counters(), game.tags(), {}, true));
    QCOMPARE(keep.counters[0].startHex, 100);
    QCOMPARE(keep.counters[0].currentHex, 239);
    for (const CounterRecord& r : end.counters)
        QCOMPARE(r.startHex, r.currentHex);
    QCOMPARE(end.counters[0].currentHex, 239);
    QCOMPARE(end.counters[0].losses, 1);
    QCOMPARE(end.counters[0].marker, 1);
    // Encoding ends nothing: the caller ends the turn once the file is safe.
    QVERIFY(game.snapshot() == before);
    QVERIFY(game.counter(1).hasMoved());
}

void TestMoveFile::tagsInPositionThenMakingOrder() {
    TestGame game;
    game.addCombat({AFPoint(70, 0), 3, "larger x, made first"});
    game.addCombat({AFPoint(35, 58), 5, "same hex, first"});
    game.addCombat({AFPoint(35, 58), 2, "same hex, second"});
    FileBuilder expected;
    expected.tags = {{AFPoint(35, 58), 5, "same hex, first"},
                     {AFPoint(35, 58), 2, "same hex, second"},
                     {AFPoint(70, 0), 3, "larger x, made first"}};
    QCOMPARE(encodeMoveFile(game.counters(), game.tags(), {}, false), expected.bytes());
}

void TestMoveFile::bannerTexts_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("third");
    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("default third")
        << QByteArray("Korva") << QByteArray() << QByteArray::fromStdString(kDefaultBanner);
    QTest::newRow("longest") << QByteArray(42, 'a') << QByteArray(42, 'b') << QByteArray(110, 'c');
    QTest::newRow("code page") << QByteArray("\xe9t\xe9") << QByteArray("\x80")
                               << QByteArray("\xff");
}

void TestMoveFile::bannerTexts() {
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, third);
    const std::array<std::string, 3> banners = {first.toStdString(), second.toStdString(),
                                                third.toStdString()};
    TestGame game;
    const QByteArray bytes = encodeMoveFile(game.counters(), game.tags(), banners, false);
    QCOMPARE(bytes.size(), 2824 + 15 + first.size() + second.size() + third.size());
    if (first.isEmpty())
        QCOMPARE(bytes.mid(2824, 5), QByteArray(5, '\0'));
    QCOMPARE(parseMoveFile(bytes).banners, banners);
    QCOMPARE(game.openFile(writeFile(bytes)), std::string());
    QCOMPARE(game.banners(), banners);
}

void TestMoveFile::roundTrip() {
    const std::array<std::string, 3> banners = {"Turn 4", "Allies", kDefaultBanner};
    QByteArray bytes;
    std::vector<CounterRecord> records;
    std::vector<TagRecord> combats;
    {
        TestGame game;
        prepareGame(game);
        game.counter(stepsOf3_).setState({12, 2966, 3, 2});
        bytes = encodeMoveFile(game.counters(), game.tags(), banners, false);
        for (const auto& c : game.counters().counters())
            records.push_back(c->record());
        combats = game.tags().ownRecords();
    }
    QCOMPARE(combats.size(), 2u);

    // Read back: the same state, and written again the same bytes.
    const MoveFileContents contents = parseMoveFile(bytes);
    QCOMPARE(contents.counters, records);
    QCOMPARE(contents.tags, combats);
    QCOMPARE(contents.banners, banners);
    QCOMPARE(encodeMoveFile(contents), bytes);

    // The opponent opens it: the counters and banners are the same, the combats are theirs.
    TestGame opponent;
    QCOMPARE(opponent.openFile(writeFile(bytes)), std::string());
    const auto seen = opponent.snapshot();
    QCOMPARE(seen.counters, records);
    QCOMPARE(seen.opened, combats);
    QVERIFY(seen.own.empty());
    QCOMPARE(seen.banners, banners);
    // Saved again by the opponent without combats of their own: only the tags differ.
    const QByteArray again = encodeMoveFile(opponent.counters(), opponent.tags(), banners, false);
    QCOMPARE(again.left(2816), bytes.left(2816));
    QCOMPARE(again.mid(2816, 8), QByteArray::fromHex("7cf4b80000000000"));
}

void TestMoveFile::openPlacesCountersAndDrawsTags() {
    TestGame game;
    FileBuilder file;
    file.records[0] = {1, 700, 0};
    file.records[1] = {2, 700, 0};
    file.tags = {{hexgrid::hexPosition(700), 3, "a"}, {hexgrid::hexPosition(700), 6, "b"}};
    QCOMPARE(game.openFile(writeFile(file.bytes())), std::string());
    // The second counter in the list lies on top.
    QCOMPARE(game.board().count(700), 2);
    QCOMPARE(game.board().counterAt(700), &game.counter(2));
    const AFPoint tagAt = Tagger(hexgrid::hexPosition(700)).drawPosition();
    QCOMPARE(game.mapPicture().image().pixel(tagAt.x + 3, tagAt.y + 3),
             FakePictureModule::colourOf(16023));
    QCOMPARE(game.tags().openedCount(), 2u);
}

void TestMoveFile::openThrowsAwayOwnTagsAndMoves() {
    QImage freshBoard;
    {
        TestGame fresh;
        fresh.restack();
        freshBoard = fresh.mapPicture().image();
    }
    TestGame game;
    prepareGame(game);
    QVERIFY(game.tags().hasOwnTags());
    QCOMPARE(game.openFile(writeFile(FileBuilder().bytes())), std::string());
    QVERIFY(!game.tags().hasOwnTags());
    QCOMPARE(game.tags().openedCount(), 0u);
    QCOMPARE(game.counter(1).currentHex().index(), 1);
    // Every picture is gone with its tag: the map shows the board alone.
    QCOMPARE(game.mapPicture().image(), freshBoard);
}

void TestMoveFile::acceptedOddities_data() {
    QTest::addColumn<QByteArray>("bytes");
    FileBuilder f;
    QTest::newRow("trailing bytes") << f.bytes() + QByteArray("extra bytes");
    f.counterCount = 0;
    QTest::newRow("counter count 0") << f.bytes();
    f.counterCount = -5;
    QTest::newRow("counter count negative") << f.bytes();
    f = FileBuilder();
    f.records[0] = {0, 2966, 2002};
    f.tags = {{AFPoint(-40, 99999), 6, std::string(80, 'x')}};
    QTest::newRow("edges of every range") << f.bytes();
    f = FileBuilder();
    f.banners = {"ab", "", ""};
    f.banners[0] += '\0';
    f.banners[0] += "cd";
    QTest::newRow("zero byte inside a text") << f.bytes();
}

void TestMoveFile::acceptedOddities() {
    QFETCH(QByteArray, bytes);
    TestGame game;
    QCOMPARE(game.openFile(writeFile(bytes)), std::string());
    QVERIFY(game.banners()[0].find('\0') == std::string::npos);
}

void TestMoveFile::damagedFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    FileBuilder good;
    good.tags = {{AFPoint(35, 19), 3, "one"}, {AFPoint(70, 0), 4, "two"}};
    good.banners = {"a", "bb", "ccc"};
    const QByteArray g = good.bytes();
    const qsizetype tagsEnd = 2824 + 2 * 21 + 6;

    // A file that ends early names the section and the field it ends in.
    const auto ends = [](const char* field) {
        return QStringLiteral("the file ends inside ") + QLatin1String(field);
    };
    QTest::newRow("empty file") << QByteArray() << ends("the mark of the counters section");
    QTest::newRow("inside the mark") << g.left(3) << ends("the mark of the counters section");
    QTest::newRow("after the mark")
        << g.left(4) << ends("the counter count of the counters section");
    QTest::newRow("after the count")
        << g.left(8) << ends("the record of counter 1 in the counters section");
    QTest::newRow("inside the last record")
        << g.left(2815) << ends("the record of counter 234 in the counters section");
    QTest::newRow("after the counters") << g.left(2816) << ends("the mark of the combat section");
    QTest::newRow("after the tags mark")
        << g.left(2820) << ends("the combat count of the combat section");
    QTest::newRow("inside a tag") << g.left(2830) << "";
    QTest::newRow("inside a comment") << g.left(2824 + 21) << "";
    QTest::newRow("after the tags")
        << g.left(tagsEnd) << ends("the length of the first banner text in the banner section");
    QTest::newRow("inside banner 1")
        << g.left(tagsEnd + 5) << ends("the first banner text in the banner section");
    QTest::newRow("before banner 3")
        << g.left(tagsEnd + 6 + 7)
        << ends("the length of the third banner text in the banner section");
    QTest::newRow("banner 3 without zero byte")
        << g.chopped(1) << ends("the third banner text in the banner section");

    FileBuilder f = good;
    f.countersMark = 11111112;
    QTest::newRow("wrong counters mark") << f.bytes() << "mark";
    f = good;
    f.tagsMark = 0;
    QTest::newRow("wrong tags mark") << f.bytes() << "mark";
    QTest::newRow("negative tag count") << g.left(2820) + word(-1) + g.mid(2824) << "negative";
    QTest::newRow("huge tag count") << g.left(2820) + word(0x7fffffff) + g.mid(2824) << "count";
    QTest::newRow("one tag too many") << g.left(2820) + word(3) + g.mid(2824) << "";
    f = good;
    f.bannerLengths[0] = 43;
    f.banners[0] = std::string(43, 'a');
    QTest::newRow("banner 1 of 43") << f.bytes() << "box";
    f = good;
    f.bannerLengths[2] = 111;
    f.banners[2] = std::string(111, 'a');
    QTest::newRow("banner 3 of 111") << f.bytes() << "box";
    f = good;
    f.bannerLengths[1] = 0x7fffffff;
    QTest::newRow("huge banner length") << f.bytes() << "box";
    f = good;
    f.bannerLengths[2] = -2;
    QTest::newRow("negative banner length")
        << f.bytes()
        << QStringLiteral("the length of the third banner text in the banner section is "
                          "negative (-2)");
    f = good;
    f.bannerLengths[2] = 100;
    QTest::newRow("banner runs past the end") << f.bytes() << "ends";
    f = good;
    f.tags[1].comment = std::string(81, 'c');
    QTest::newRow("comment of 81")
        << f.bytes()
        << QStringLiteral("the length of the comment of combat 2 in the combat section is 81, "
                          "more than its box holds (80)");
    f = good;
    f.tags[0].comment = "cut";
    QByteArray cutComment = f.bytes();
    cutComment.replace(2824 + 16, 4, word(-1));
    QTest::newRow("negative comment length")
        << cutComment << "the length of the comment of combat 1 in the combat section is negative";

    const struct {
        const char* name;
        std::size_t counter;
        std::array<std::int32_t, 3> record;
        const char* reason;
    } records[] = {
        {"start hex 2967", 3, {2967, 4, 0}, "outside the map"},
        {"start hex -1", 3, {-1, 4, 0}, "outside the map"},
        {"present hex 2967", 233, {234, 2967, 0}, "outside the map"},
        {"present hex huge", 0, {1, 0x7fffffff, 0}, "outside the map"},
        {"losses above steps", 0, {1, 1, 3}, "losses"},
        {"negative losses", 0, {1, 1, -1}, "losses"},
        {"marker 3", 0, {1, 1, 3000}, "marker"},
        {"negative marker", 0, {1, 1, -1000}, "marker"},
        {"smallest state word", 0, {1, 1, INT32_MIN}, ""},
    };
    for (const auto& r : records) {
        f = good;
        f.records[r.counter] = r.record;
        QTest::newRow(r.name) << f.bytes() << r.reason;
    }
    for (const int die : {0, 7, -1, 16010}) {
        f = good;
        f.tags[1].dieValue = die;
        QTest::newRow(qPrintable(QStringLiteral("die %1").arg(die))) << f.bytes() << "die";
    }
}

void TestMoveFile::damagedFilesChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestGame game;
    prepareGame(game);
    const auto before = game.snapshot();
    const std::string refused = game.openFile(writeFile(bytes));
    QVERIFY2(!refused.empty(), "the file was taken");
    QVERIFY2(refused.find('\n') == std::string::npos, refused.c_str());
    QVERIFY2(QString::fromStdString(refused).contains(reason), refused.c_str());
    QVERIFY(game.snapshot() == before);
}

void TestMoveFile::everyTruncationIsRefused() {
    FileBuilder small;
    small.tags = {{AFPoint(35, 19), 3, "xy"}};
    small.banners = {"a", "", "c"};
    const QByteArray bytes = small.bytes();
    QVERIFY_THROWS_NO_EXCEPTION(parseMoveFile(bytes));
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        try {
            parseMoveFile(bytes.left(n));
            QFAIL(qPrintable(QStringLiteral("a file cut to %1 bytes was taken").arg(n)));
        } catch (const MoveFileError&) {
        }
    }
}

void TestMoveFile::filesThatAreNotMoveFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("folder") << "folder"
                            << "folder";
    QTest::newRow("too large") << "large"
                               << "over the size limit";
    QTest::newRow("800,000 combats") << "combats"
                                     << "over the size limit";
    QTest::newRow("unreadable") << "unreadable"
                                << "cannot be read";
    QTest::newRow("device") << "device"
                            << "ordinary";
}

void TestMoveFile::filesThatAreNotMoveFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString path;
    if (kind == QLatin1String("missing")) {
        path = dir_->filePath(QStringLiteral("nothing.krv"));
    } else if (kind == QLatin1String("folder")) {
        path = dir_->filePath(QStringLiteral("folder.krv"));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.krv")));
    } else if (kind == QLatin1String("large")) {
        path = writeFile(FileBuilder().bytes());
        QFile file(path);
        QVERIFY(file.resize(movefile::kMaxFileSize + 1)); // sparse, takes no room
    } else if (kind == QLatin1String("combats")) {
        FileBuilder many; // 16.8 MB, every record sound
        many.tags = {TagRecord{AFPoint(35, 19), 4, {}}};
        many.tagCount = 800000;
        QByteArray bytes = many.bytes();
        const qsizetype last = bytes.size() - 3 * 5 - 21; // the one record, before the banners
        bytes.insert(last, bytes.sliced(last, 21).repeated(800000 - 1));
        QCOMPARE(bytes.size(), 16802839);
        path = writeFile(bytes);
    } else if (kind == QLatin1String("unreadable")) {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser from reading");
        path = writeFile(FileBuilder().bytes());
        QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    } else {
        path = QStringLiteral("/dev/zero");
        if (!QFile::exists(path))
            QSKIP("no /dev/zero here");
    }
    TestGame game;
    prepareGame(game);
    const auto before = game.snapshot();
    const std::string refused = game.openFile(path);
    QVERIFY2(QString::fromStdString(refused).contains(reason), refused.c_str());
    QVERIFY(game.snapshot() == before);
}

void TestMoveFile::missingTagPictureChangesNothing() {
    // A module lacking one of the opponent's pictures: the open fails as a whole.
    TestGame game;
    prepareGame(game);
    game.module1.missing.insert(16025);
    game.addCombat({AFPoint(35, 19), 2, "mine"});
    const auto before = game.snapshot();
    FileBuilder f;
    f.records[0] = {9, 9, 0};
    f.tags = {{AFPoint(70, 0), 4, "fine"}, {AFPoint(105, 19), 5, "lacking"}};
    const MoveFileContents contents = readMoveFile(writeFile(f.bytes()));
    QVERIFY_THROWS_EXCEPTION(ResourceError, applyMoveFile(contents, game.counters(), game.tags()));
    QVERIFY(game.snapshot() == before);
}

// A counter picture that cannot be had for a new position, though the tags would be: the
// open, or the past shown, fails as a whole and the game is as it was, stack order included.
void TestMoveFile::failedDrawPutsEverythingBack_data() {
    QTest::addColumn<bool>("past");
    QTest::newRow("open") << false;
    QTest::newRow("past shown") << true;
}

void TestMoveFile::failedDrawPutsEverythingBack() {
    QFETCH(bool, past);
    TestGame game;
    prepareGame(game);
    game.moveTop(7, 239);
    game.rotateStack(239);
    const auto before = game.snapshot();
    FileBuilder f;
    f.records[0] = {1500, 1500, 1}; // counter 1 with a loss, in the middle of the map
    f.tags = {{hexgrid::hexPosition(239), 3, "over the old ones"}};
    OpenedMoveFile file;
    file.contents = readMoveFile(writeFile(f.bytes()));
    game.module2.missing.insert(game.counter(1).pictureId() - game.counter(1).losses() + 1);
    QSignalSpy replaced(&game, &Game::positionReplaced);
    if (past)
        QVERIFY_THROWS_EXCEPTION(ResourceError, game.showPast(file));
    else
        QVERIFY_THROWS_EXCEPTION(ResourceError, game.open(file));
    QVERIFY(game.snapshot() == before);
    QVERIFY(!game.showsPast());
    QCOMPARE(replaced.size(), 0);
    // The tags put back still keep the map under them: the next open takes them off.
    const AFPoint theirs =
        Tagger(nullptr, nullptr, hexgrid::hexPosition(400), 4, {}, true).drawPosition();
    const auto theirsPixel = [&] {
        return game.mapPicture().image().pixel(theirs.x + 1, theirs.y + 1);
    };
    QCOMPARE(theirsPixel(), FakePictureModule::colourOf(16024));
    game.module2.missing.clear();
    QCOMPARE(game.openFile(writeFile(f.bytes())), std::string());
    QCOMPARE(game.counter(1).currentHex().index(), 1500);
    QVERIFY(theirsPixel() != FakePictureModule::colourOf(16024));
}

void TestMoveFile::overlongTextsAreNotWritten() {
    TestGame game;
    QVERIFY_THROWS_EXCEPTION(MoveFileError, encodeMoveFile(game.counters(), game.tags(),
                                                           {std::string(43, 'a'), "", ""}, false));
    QVERIFY_THROWS_EXCEPTION(MoveFileError, encodeMoveFile(game.counters(), game.tags(),
                                                           {"", "", std::string(111, 'a')}, false));
    game.addCombat({AFPoint(35, 19), 2, std::string(81, 'c')});
    QVERIFY_THROWS_EXCEPTION(MoveFileError,
                             encodeMoveFile(game.counters(), game.tags(), {}, false));
}

QTEST_GUILESS_MAIN(TestMoveFile)
#include "tst_movefile.moc"
