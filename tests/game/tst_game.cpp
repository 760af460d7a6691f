#include "game/gamefile.h"
#include "tests/common/testgame.h"

#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "movefile/openedmovefile.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>

namespace {

// What one operation told the rest of the program.
struct Told {
    int replaced = 0;
    QList<QList<int>> counters;
    int turnEnded = 0;
    int tags = 0;
};

const std::map<QString, std::function<void(TestGame&)>>& operations() {
    static const std::map<QString, std::function<void(TestGame&)>> ops = {
        {QStringLiteral("moveTop"), [](TestGame& g) { g.moveTop(1000, 1200); }},
        {QStringLiteral("moveTop, empty hex"), [](TestGame& g) { g.moveTop(1201, 1200); }},
        {QStringLiteral("moveTop, off the grid"), [](TestGame& g) { g.moveTop(1000, -1); }},
        {QStringLiteral("moveAll"), [](TestGame& g) { g.moveAll(1000, 1200); }},
        {QStringLiteral("moveAll, onto itself"), [](TestGame& g) { g.moveAll(1000, 1000); }},
        {QStringLiteral("rotateStack"), [](TestGame& g) { g.rotateStack(1000); }},
        {QStringLiteral("rotateStack, one counter"), [](TestGame& g) { g.rotateStack(1100); }},
        {QStringLiteral("cycleLosses"), [](TestGame& g) { g.cycle(1100, Game::Cycle::Losses); }},
        {QStringLiteral("cycleMarker"), [](TestGame& g) { g.cycle(1000, Game::Cycle::Marker); }},
        {QStringLiteral("cycleMarker, empty hex"),
         [](TestGame& g) { g.cycle(1201, Game::Cycle::Marker); }},
        {QStringLiteral("endTurn"), [](TestGame& g) { g.endTurn(); }},
        {QStringLiteral("addCombat"),
         [](TestGame& g) {
             g.addCombat({AFPoint(35, 19), 4, "x"});
         }},
        {QStringLiteral("hideTags"), [](TestGame& g) { g.hideTags(); }},
        {QStringLiteral("newGame"), [](TestGame& g) { g.newGame(); }},
        {QStringLiteral("open, refused"),
         [](TestGame& g) {
             g.module2.missing.insert(2000);
             MoveFileContents contents{g.snapshot().counters, {}, {}};
             QVERIFY_THROWS_EXCEPTION(ResourceError, g.open(contents));
         }},
    };
    return ops;
}

} // namespace

class TestGameSignals : public QObject {
    Q_OBJECT
private slots:
    void operationsTellWhatChanged_data();
    void operationsTellWhatChanged();
    void oneGameAtATime();
    void moveFileCarriesTheBanners();
    void pastPositionsLeaveThePresentWhole();
    void openFailingWhileDrawingPutsEverythingBack();
};

void TestGameSignals::operationsTellWhatChanged_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("replaced");
    QTest::addColumn<QList<QList<int>>>("counters");
    QTest::addColumn<int>("turnEnded");
    QTest::addColumn<int>("tags");
    using Hexes = QList<QList<int>>;
    const auto row = [](const char* op, int replaced, Hexes counters, int turnEnded, int tags) {
        QTest::newRow(op) << QString::fromLatin1(op) << replaced << counters << turnEnded << tags;
    };
    row("moveTop", 0, {{1000, 1200}}, 0, 0);
    row("moveTop, empty hex", 0, {}, 0, 0);
    row("moveTop, off the grid", 0, {}, 0, 0);
    row("moveAll", 0, {{1000, 1200}}, 0, 0);
    row("moveAll, onto itself", 0, {}, 0, 0);
    row("rotateStack", 0, {{1000}}, 0, 0);
    row("rotateStack, one counter", 0, {}, 0, 0);
    row("cycleLosses", 0, {{1100}}, 0, 0);
    row("cycleMarker", 0, {{1000}}, 0, 0);
    row("cycleMarker, empty hex", 0, {}, 0, 0);
    row("endTurn", 0, {}, 1, 0);
    row("addCombat", 0, {}, 0, 1);
    row("hideTags", 0, {}, 0, 1);
    row("newGame", 1, {}, 0, 0);
    row("open, refused", 0, {}, 0, 0);
}

void TestGameSignals::operationsTellWhatChanged() {
    QFETCH(QString, operation);
    QFETCH(int, replaced);
    QFETCH(QList<QList<int>>, counters);
    QFETCH(int, turnEnded);
    QFETCH(int, tags);
    TestGame game;
    // Counters 1 and 2 stacked in hex 1000, counter 3 alone in hex 1100, the others in their
    // placeholder hexes 4 to 234.
    for (int n = 1; n <= 3; ++n)
        game.counter(n).setState({n == 3 ? 1100 : 1000, n == 3 ? 1100 : 1000, 0, 0});
    game.restack();
    const TestGame::Snapshot before = game.snapshot();

    Told told;
    connect(&game, &Game::positionReplaced, this, [&] { ++told.replaced; });
    connect(&game, &Game::countersChanged, this,
            [&](const QList<int>& hexes) { told.counters << hexes; });
    connect(&game, &Game::turnEnded, this, [&] { ++told.turnEnded; });
    connect(&game, &Game::tagsChanged, this, [&] { ++told.tags; });
    operations().at(operation)(game);

    QCOMPARE(told.replaced, replaced);
    QCOMPARE(told.counters, counters);
    QCOMPARE(told.turnEnded, turnEnded);
    QCOMPARE(told.tags, tags);
    // Silence means nothing changed.
    if (replaced + counters.size() + turnEnded + tags == 0)
        QVERIFY(game.snapshot() == before);
}

void TestGameSignals::oneGameAtATime() {
    {
        TestGame game;
        QCOMPARE(ZeKCounter::pictureModule(), &game.counterPictures());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, TestGame());
        // The refused game took nothing from the one alive.
        QCOMPARE(ZeKCounter::pictureModule(), &game.counterPictures());
        QCOMPARE(game.mapPicture().image().size(), FakePictureModule::mapSize());
    }
    QCOMPARE(ZeKCounter::pictureModule(), nullptr);
    TestGame next;
    QCOMPARE(ZeKCounter::pictureModule(), &next.counterPictures());
}

void TestGameSignals::moveFileCarriesTheBanners() {
    TestGame game;
    game.setBanner(2, "Turn 7");
    game.restack();
    QVERIFY(game.moveTop(1, 700));
    const MoveFileContents saved = parseMoveFile(gamefile::moveFile(game, true));
    QCOMPARE(saved.banners[2], std::string("Turn 7"));
    QCOMPARE(saved.counters[0].startHex, 700);
    // The file ends the turn; the game does not until the save is safe.
    QVERIFY(game.counter(1).hasMoved());
}

void TestGameSignals::openFailingWhileDrawingPutsEverythingBack() {
    int changes = 0; // before the game, which still draws as it goes
    TestGame game;
    MoveFileContents first{game.snapshot().counters, {{AFPoint(105, 58), 3, "theirs"}}, {}};
    first.counters[0] = {1000, 1000, 0, 0};
    game.open(first);
    game.addCombat({AFPoint(35, 19), 4, "mine"});
    const TestGame::Snapshot before = game.snapshot();

    // Memory runs out while the new position is drawn, after its tags went on the map.
    MoveFileContents next{before.counters, {{AFPoint(210, 97), 6, "new"}}, {}};
    next.counters[0] = {1200, 1200, 1, 0};
    game.mapPicture().setChangeListener([&changes](const QRect&) {
        if (++changes == 20)
            throw std::bad_alloc();
    });
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, game.open(next));
    QVERIFY(changes > 20);              // the old position was drawn again
    QVERIFY(game.snapshot() == before); // counters, stacks, both kinds of tags and pixels
}

void TestGameSignals::pastPositionsLeaveThePresentWhole() {
    TestGame game;
    // A present with an opened combat, an own one, a turned stack, a flip, banners, a note.
    MoveFileContents opened{game.snapshot().counters, {{AFPoint(105, 58), 3, "theirs"}}, {}};
    opened.counters[0] = {1000, 1000, 0, 0};
    opened.counters[1] = {1000, 1000, 0, 0};
    game.open(opened);
    game.moveTop(1000, 1200);
    game.moveTop(1000, 1200);
    game.rotateStack(1200);
    game.cycle(1200, Game::Cycle::Losses);
    game.addCombat({AFPoint(35, 19), 4, "mine"});
    game.setBanner(0, "Now");
    game.turn().setNote(QStringLiteral("See you"));
    const TestGame::Snapshot present = game.snapshot();
    const QByteArray saved = gamefile::savedFile(game, false);

    MoveFileContents past{present.counters, {{AFPoint(210, 97), 6, "old"}}, {"Then", "", ""}};
    past.counters[0] = {1500, 1400, 0, 0};
    past.counters[1].startHex = past.counters[1].currentHex;
    OpenedMoveFile file;
    file.contents = past;
    game.showPast(file);
    QVERIFY(game.showsPast());
    QCOMPARE(game.counter(1).currentHex().index(), 1400);
    QCOMPARE(game.banners()[0], std::string("Then"));
    QCOMPARE(game.turn().openedMoves().changes.size(), std::size_t{1});
    past.counters[0] = {1500, 1600, 0, 0};
    file.contents = past;
    game.showPast(file); // the next copy
    QCOMPARE(game.counter(1).currentHex().index(), 1600);

    game.backToPresent();
    QVERIFY(!game.showsPast());
    const TestGame::Snapshot back = game.snapshot();
    QCOMPARE(back.counters, present.counters);
    QCOMPARE(back.stacks, present.stacks);
    QVERIFY(back.own == present.own && back.opened == present.opened);
    QCOMPARE(back.banners, present.banners);
    QCOMPARE(back.pixels, present.pixels);
    QCOMPARE(game.turn().note(), QStringLiteral("See you"));
    QCOMPARE(gamefile::savedFile(game, false), saved);
}

QTEST_GUILESS_MAIN(TestGameSignals)
#include "tst_game.moc"
