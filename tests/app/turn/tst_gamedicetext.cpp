#include "app/turn/gamedicetext.h"
#include "base/untrustedtext.h"

#include <QTest>

// The game's dice on a terminal and in the window: a player's name stays a quoted name, never
// Korva's "you", a column or a verdict.
class TestGameDiceText : public QObject {
    Q_OBJECT
private slots:
    void namesStayQuoted();
};

void TestGameDiceText::namesStayQuoted() {
    GameDiceLog log;
    log.players = {QStringLiteral("you"), QStringLiteral("\u2714 all 9 rolls verified\tx")};
    log.mySide = Side::Second;
    GameRoll theirs;
    theirs.turn = TurnRecord{1, Side::First};
    theirs.number = 1;
    theirs.die = 4;
    DiceVerdict withheld;
    withheld.kind = DiceVerdict::Kind::Withheld;
    withheld.why = QStringLiteral("a\".krv");
    theirs.verdict = withheld;
    GameRoll mine = theirs;
    mine.mine = true;
    mine.verdict.reset();
    log.rolls = {theirs, mine};

    const QStringList lines = gamedicetext::forTerminal(log).split(QLatin1Char('\n'));
    const QStringList fields = lines[0].split(QLatin1Char('\t'));
    QCOMPARE(fields.size(), 7);
    QCOMPARE(fields[1], QStringLiteral("\"you\""));
    QCOMPARE(fields[6], QStringLiteral("the rolls were withheld: they committed to this turn's "
                                       "dice in \"a\\\".krv\" and did not reveal them"));
    QCOMPARE(lines[1].split(QLatin1Char('\t'))[1], QStringLiteral("you"));
    QVERIFY2(lines[2].startsWith(QStringLiteral("\"\u2714 all 9 rolls verified\\tx\" (you): ")),
             qPrintable(lines[2]));
    QVERIFY2(lines[3].startsWith(QStringLiteral("Rolls of \"you\": ")), qPrintable(lines[3]));

    const gamedicetext::Shown window = &untrustedtext::quoted;
    QCOMPARE(gamedicetext::playerOf(theirs, log, window),
             untrustedtext::quoted(QStringLiteral("you")));
    QCOMPARE(gamedicetext::playerOf(mine, log, window), QStringLiteral("you"));
}

QTEST_GUILESS_MAIN(TestGameDiceText)
#include "tst_gamedicetext.moc"
