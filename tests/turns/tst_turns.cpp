#include "movefile/openedmovefile.h"
#include "turns/turnorder.h"

#include <QTest>

// The turn's rules: how a turn hands over, which turn comes first, and what a saved file
// shows of the turn it ended.
class TestTurns : public QObject {
    Q_OBJECT
private slots:
    void handOver_data();
    void handOver();
    void order_data();
    void order();
    void endedBy_data();
    void endedBy();
};

namespace {

constexpr Side A = Side::First;
constexpr Side X = Side::Second;

} // namespace

void TestTurns::handOver_data() {
    QTest::addColumn<TurnRecord>("before");
    QTest::addColumn<bool>("endOfTurn");
    QTest::addColumn<TurnRecord>("after");
    QTest::newRow("Allies first hand over") << TurnRecord{1, A, A} << true << TurnRecord{1, X, A};
    QTest::newRow("back to the Allies") << TurnRecord{1, X, A} << true << TurnRecord{2, A, A};
    QTest::newRow("Axis first hand over") << TurnRecord{3, X, X} << true << TurnRecord{3, A, X};
    QTest::newRow("back to the Axis") << TurnRecord{3, A, X} << true << TurnRecord{4, X, X};
    QTest::newRow("no end of turn") << TurnRecord{2, X, A} << false << TurnRecord{2, X, A};
    QTest::newRow("last number") << TurnRecord{9999, X, A} << true << TurnRecord{9999, A, A};
}

void TestTurns::handOver() {
    QFETCH(TurnRecord, before);
    QFETCH(bool, endOfTurn);
    QFETCH(TurnRecord, after);
    TurnOrder order(before, {});
    QCOMPARE(order.afterSave(endOfTurn), std::optional<TurnRecord>(after));
    if (endOfTurn) {
        order.endTurn();
        QCOMPARE(order.record(), std::optional<TurnRecord>(after));
        // Later in the game, short of the number's end.
        QVERIFY(after == before || comesBefore(before, after) ||
                after.number == TurnRecord::kMaxNumber);
    }
    // Nothing is guessed for a game whose files never said their turn.
    TurnOrder unknown;
    unknown.endTurn();
    QVERIFY(!unknown.isKnown() && !unknown.afterSave(true));
}

void TestTurns::order_data() {
    QTest::addColumn<TurnRecord>("earlier");
    QTest::addColumn<TurnRecord>("later");
    QTest::addColumn<int>("movesBeforeLater");
    QTest::newRow("the second side's move") << TurnRecord{1, A, A} << TurnRecord{1, X, A} << 1;
    QTest::newRow("the next turn") << TurnRecord{1, X, A} << TurnRecord{2, A, A} << 2;
    // The Axis moving first: its move opens the turn.
    QTest::newRow("Axis first") << TurnRecord{2, X, X} << TurnRecord{2, A, X} << 3;
    QTest::newRow("far apart") << TurnRecord{1, A, A} << TurnRecord{100, X, A} << 199;
}

void TestTurns::order() {
    QFETCH(TurnRecord, earlier);
    QFETCH(TurnRecord, later);
    QFETCH(int, movesBeforeLater);
    QCOMPARE(movesBefore(later), movesBeforeLater);
    QVERIFY(comesBefore(earlier, later));
    QVERIFY(!comesBefore(later, earlier));
    QVERIFY(!comesBefore(later, later));
}

void TestTurns::endedBy_data() {
    QTest::addColumn<std::vector<int>>("began");    // the block's turn start
    QTest::addColumn<std::vector<int>>("startHex"); // the records' start hexes
    QTest::addColumn<std::vector<int>>("now");
    QTest::addColumn<int>("ended"); // 0: none shown, 1: the Allies, 2: the Axis
    // The Axis to move: the Allies' turn ended with everything where the next one starts.
    QTest::newRow("ended") << std::vector{10, 20} << std::vector{11, 20} << std::vector{11, 20}
                           << 1;
    QTest::newRow("saved within the turn")
        << std::vector{10, 20} << std::vector{10, 20} << std::vector{11, 20} << 0;
    QTest::newRow("nothing moved")
        << std::vector{10, 20} << std::vector{10, 20} << std::vector{10, 20} << 0;
    QTest::newRow("a block of another order of battle")
        << std::vector{10} << std::vector{11, 20} << std::vector{11, 20} << 0;
}

void TestTurns::endedBy() {
    QFETCH(std::vector<int>, began);
    QFETCH(std::vector<int>, startHex);
    QFETCH(std::vector<int>, now);
    QFETCH(int, ended);
    OpenedMoveFile file;
    std::vector<CounterPlace> places;
    for (const int hex : began)
        places.push_back({hex, 0, 0});
    for (std::size_t i = 0; i < now.size(); ++i)
        file.contents.counters.push_back({startHex[i], now[i], 0, 0});
    file.extension.turnStart = places;
    file.extension.turn = TurnRecord{1, X, A};
    const std::optional<Side> side = turnEndedBy(file);
    QCOMPARE(side ? (*side == A ? 1 : 2) : 0, ended);
    // A file that says no turn shows no end of one.
    file.extension.turn.reset();
    QVERIFY(!turnEndedBy(file));
}

QTEST_APPLESS_MAIN(TestTurns)
#include "tst_turns.moc"
