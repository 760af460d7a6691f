#include "counters/countermgr.h"
#include "game/turnkeeper.h"
#include "movefile/movefile.h"

#include <QTest>

namespace {

ZeKCounter& counter(CounterMgr& counters, int row) {
    auto it = counters.counters().begin();
    std::advance(it, row - 1);
    return **it;
}

std::vector<CounterRecord> records(const CounterMgr& counters) {
    std::vector<CounterRecord> result;
    for (const auto& c : counters.counters())
        result.push_back(c->record());
    return result;
}

// What Save writes for the counters as they stand.
QByteArray saved(const CounterMgr& counters, TurnKeeper& keeper, bool endOfTurn) {
    MoveFileContents contents{records(counters), {}, {}};
    if (endOfTurn)
        for (CounterRecord& record : contents.counters)
            record.startHex = record.currentHex;
    return encodeMoveFile(contents) + encodeKorvaExtension(keeper.extensionForSave(counters));
}

// What Open does to a program's counters and keeper.
OpenedMoveFile open(const QByteArray& bytes, CounterMgr& counters, TurnKeeper& keeper,
                    std::optional<GameId> positionsGame = {}) {
    OpenedMoveFile file = parseOpenedMoveFile(bytes);
    counters.applyRecords(file.contents.counters);
    keeper.opened(file, positionsGame, std::nullopt);
    return file;
}

} // namespace

// The turn's start, the game id and the notes across Save, Open and New game.
class TestTurnKeeper : public QObject {
    Q_OBJECT
private slots:
    void movesSurviveAnEndOfTurn();
    void turnSavedMidwayGoesOn();
    void gameIdComesAndGoes();
    void gameNameStaysWithItsGame();
};

void TestTurnKeeper::movesSurviveAnEndOfTurn() {
    CounterMgr mine;
    TurnKeeper keeper(mine);
    counter(mine, 1).setState({1, 300, 0, 0}); // moved
    counter(mine, 2).setState({2, 2, 1, 0});   // flipped
    keeper.setNote(QStringLiteral("Your move"));
    const QByteArray file = saved(mine, keeper, true);
    mine.endTurn();
    keeper.saved(true, mine);
    // The next turn starts from here.
    QCOMPARE(keeper.turnStart(mine)[0], (CounterPlace{300, 0, 0}));
    QCOMPARE(keeper.turnStart(mine)[1], (CounterPlace{2, 1, 0}));

    CounterMgr theirs;
    TurnKeeper opponent(theirs);
    open(file, theirs, opponent);
    QCOMPARE(opponent.openedMoves().source, MovesSource::TurnStartRecord);
    const std::vector<CounterChange> expected = {{1, 1, 300, 0, 0, 0, 0}, {2, 2, 2, 0, 1, 0, 0}};
    QCOMPARE(opponent.openedMoves().changes, expected);
    QCOMPARE(opponent.openedNote(), QStringLiteral("Your move"));
    QVERIFY(opponent.note().isEmpty());
    // Their turn begins with the position as the file left it.
    QCOMPARE(opponent.turnStart(theirs), presentPlaces(records(theirs)));
    QCOMPARE(opponent.gameId(), keeper.gameId());
}

void TestTurnKeeper::turnSavedMidwayGoesOn() {
    CounterMgr mine;
    TurnKeeper keeper(mine);
    counter(mine, 1).setState({1, 300, 2, 0});
    const std::vector<CounterPlace> start = keeper.turnStart(mine);
    const QByteArray file = saved(mine, keeper, false);
    keeper.saved(false, mine);
    QCOMPARE(keeper.turnStart(mine), start);

    // Opened again the next day: the turn, its flip included, still starts where it did.
    CounterMgr later;
    TurnKeeper again(later);
    open(file, later, again);
    QCOMPARE(again.turnStart(later), start);
    QCOMPARE(saved(later, again, false), file);
}

void TestTurnKeeper::gameIdComesAndGoes() {
    CounterMgr counters;
    TurnKeeper keeper(counters);
    QVERIFY(!keeper.gameId());
    const std::optional<GameId> made = keeper.extensionForSave(counters).gameId;
    QVERIFY(made);
    QCOMPARE(keeper.extensionForSave(counters).gameId, made);

    // A file without a block: the folder's game, when one is known; moves from start hexes.
    MoveFileContents plain{records(counters), {}, {}};
    plain.counters[0] = {1, 500, 0, 0};
    const GameId positionsGame = GameId::generate();
    QVERIFY(positionsGame != *made);
    open(encodeMoveFile(plain), counters, keeper, positionsGame);
    QCOMPARE(keeper.gameId(), std::optional<GameId>(positionsGame));
    QCOMPARE(keeper.openedMoves().source, MovesSource::StartHexes);
    open(encodeMoveFile(plain), counters, keeper);
    QVERIFY(!keeper.gameId());

    keeper.newGame(counters);
    QVERIFY(!keeper.gameId() && keeper.openedMoves().changes.empty());
    QVERIFY(keeper.extensionForSave(counters).gameId != made);
}

void TestTurnKeeper::gameNameStaysWithItsGame() {
    CounterMgr counters;
    TurnKeeper keeper(counters);
    keeper.setGameName(QStringLiteral("  Salerno\n"));
    const KorvaExtension block = keeper.extensionForSave(counters);
    QCOMPARE(block.gameName, QStringLiteral("Salerno"));
    QCOMPARE(block.writer, std::optional<KorvaVersion>(KorvaVersion::current()));

    // An older Korva's answer names no game: the name stays while the id does.
    MoveFileContents plain{records(counters), {}, {}};
    KorvaExtension older;
    older.gameId = block.gameId;
    open(encodeMoveFile(plain) + encodeKorvaExtension(older), counters, keeper);
    QCOMPARE(keeper.gameName(), QStringLiteral("Salerno"));
    older.gameId = GameId::generate();
    open(encodeMoveFile(plain) + encodeKorvaExtension(older), counters, keeper);
    QVERIFY(keeper.gameName().isEmpty());
}

QTEST_GUILESS_MAIN(TestTurnKeeper)
#include "tst_turnkeeper.moc"
