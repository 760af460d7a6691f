#include "counters/turnchanges.h"

#include <QTest>

namespace {

std::vector<CounterRecord> standing() {
    std::vector<CounterRecord> records;
    for (int n = 1; n <= 234; ++n)
        records.push_back({n, n, 0, 0});
    return records;
}

} // namespace

// The changes of a turn, where they come from, and their lines of text.
class TestTurnChanges : public QObject {
    Q_OBJECT
private slots:
    void changesInOrderOfBattle();
    void sources_data();
    void sources();
    void lines_data();
    void lines();
};

void TestTurnChanges::changesInOrderOfBattle() {
    const std::vector<CounterPlace> before = {{10, 0, 0}, {20, 0, 0}, {30, 1, 0}, {40, 0, 0}};
    const std::vector<CounterPlace> after = {{10, 0, 0}, {25, 0, 0}, {30, 0, 1}, {40, 0, 0}, {5}};
    const std::vector<CounterChange> expected = {{2, 20, 25, 0, 0, 0, 0}, {3, 30, 30, 1, 0, 0, 1}};
    QCOMPARE(turnChanges(before, after), expected);
    QVERIFY(expected[0].moved() && !expected[0].stateChanged());
    QVERIFY(!expected[1].moved() && expected[1].stateChanged());
}

void TestTurnChanges::sources_data() {
    QTest::addColumn<bool>("withRecord");
    QTest::addColumn<bool>("movedAsMoves");
    QTest::addColumn<bool>("withEarlier");
    QTest::addColumn<MovesSource>("source");
    QTest::addColumn<int>("fromHex");
    // The file: counter 1 stands in hex 300. The record says it began in 100, the start
    // hexes (saved without an end of turn) 200, the player's own earlier file 250.
    QTest::newRow("own file first") << true << true << true << MovesSource::EarlierPosition << 250;
    QTest::newRow("record") << true << true << false << MovesSource::TurnStartRecord << 100;
    QTest::newRow("start hexes") << false << true << false << MovesSource::StartHexes << 200;
    QTest::newRow("nothing") << false << false << false << MovesSource::None << 0;
}

void TestTurnChanges::sources() {
    QFETCH(bool, withRecord);
    QFETCH(bool, movedAsMoves);
    QFETCH(bool, withEarlier);
    QFETCH(MovesSource, source);
    QFETCH(int, fromHex);
    std::vector<CounterRecord> file = standing();
    file[0] = {movedAsMoves ? 200 : 300, 300, 0, 0};
    std::optional<std::vector<CounterPlace>> record;
    if (withRecord) {
        record = presentPlaces(standing());
        (*record)[0].hex = 100;
    }
    std::optional<EarlierFile> earlier;
    if (withEarlier) {
        earlier = EarlierFile{standing(), QStringLiteral("b1.krv")};
        earlier->counters[0] = {1, 250, 0, 0};
    }
    const TurnMoves moves = movesOfTurn(file, record, earlier);
    QCOMPARE(moves.source, source);
    QCOMPARE(moves.since, withEarlier ? QStringLiteral("b1.krv") : QString());
    QCOMPARE(moves.changes.size(), std::size_t(fromHex ? 1 : 0));
    if (fromHex)
        QCOMPARE(moves.changes[0], (CounterChange{1, fromHex, 300, 0, 0, 0, 0}));
    // A record that says nothing moved is believed.
    QVERIFY(movesOfTurn(file, presentPlaces(file), std::nullopt).changes.empty());
}

void TestTurnChanges::lines_data() {
    QTest::addColumn<CounterChange>("change");
    QTest::addColumn<QByteArray>("line");
    // Counter 1 is "UK 6 Armor XX" with two steps; hex 72 is B15, 300 E34, 2000 off board.
    QTest::newRow("moved") << CounterChange{1, 72, 300, 0, 0, 0, 0}
                           << QByteArray(
                                  "UK 6 Armor XX         B15         E34         2/0       ");
    QTest::newRow("flipped in place")
        << CounterChange{1, 300, 300, 0, 1, 0, 0}
        << QByteArray("UK 6 Armor XX         E34         E34         2/1       did not move, "
                      "losses 2/0 -> 2/1");
    QTest::newRow("moved and inverted")
        << CounterChange{1, 2000, 300, 0, 0, 0, 2}
        << QByteArray("UK 6 Armor XX         Off board   E34         inverted  marker 0 -> 2");
}

void TestTurnChanges::lines() {
    QFETCH(CounterChange, change);
    QFETCH(QByteArray, line);
    const QByteArray text = changesText({change});
    QCOMPARE(text, QByteArray("Unit                  From        To\r\n") + line + "\r\n");
}

QTEST_GUILESS_MAIN(TestTurnChanges)
#include "tst_turnchanges.moc"
