#include "app/turn/keptturns.h"

#include <QTest>

// Where each turn of a game begins among its kept copies.
class TestKeptTurns : public QObject {
    Q_OBJECT
private slots:
    void turnStartsInGameOrder_data();
    void turnStartsInGameOrder();
};

namespace {

using Turns = std::vector<std::optional<TurnRecord>>;
using Starts = std::vector<TurnStart>;

TurnRecord turn(int number, Side toMove, Side movesFirst = Side::First) {
    return {number, toMove, movesFirst};
}

} // namespace

void TestKeptTurns::turnStartsInGameOrder_data() {
    QTest::addColumn<Turns>("turns");
    QTest::addColumn<Starts>("starts");
    const TurnRecord t1Axis = turn(1, Side::Second);
    const TurnRecord t2Allies = turn(2, Side::First);
    const TurnRecord t2Axis = turn(2, Side::Second);
    QTest::newRow("none kept") << Turns{} << Starts{};
    QTest::newRow("one a move") << Turns{t1Axis, t2Allies, t2Axis}
                                << Starts{{t1Axis, 0}, {t2Allies, 1}, {t2Axis, 2}};
    // Opened, then saved unfinished, then ended: the move began with the oldest copy.
    QTest::newRow("a move kept thrice")
        << Turns{t2Allies, t2Allies, t2Allies, t2Axis} << Starts{{t2Allies, 0}, {t2Axis, 3}};
    QTest::newRow("copies that say no turn")
        << Turns{std::nullopt, t2Axis, std::nullopt} << Starts{{t2Axis, 1}};
    // A turn answered late, after a later one was kept, still comes in the game's order.
    QTest::newRow("out of order") << Turns{t2Axis, t1Axis} << Starts{{t1Axis, 1}, {t2Axis, 0}};
    // The Axis moving first: its move opens each turn.
    QTest::newRow("axis first") << Turns{turn(1, Side::First, Side::Second),
                                         turn(1, Side::Second, Side::Second)}
                                << Starts{{turn(1, Side::Second, Side::Second), 1},
                                          {turn(1, Side::First, Side::Second), 0}};
}

void TestKeptTurns::turnStartsInGameOrder() {
    QFETCH(Turns, turns);
    QFETCH(Starts, starts);
    QCOMPARE(turnStarts(turns), starts);
}

QTEST_MAIN(TestKeptTurns)
#include "tst_keptturns.moc"
