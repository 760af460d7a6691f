#include "combat/tagger.h"
#include "dice/dicedraw.h"
#include "game/game.h"
#include "game/session.h"
#include "game/turndice.h"
#include "geometry/zekclick.h"
#include "movefile/movefile.h"
#include "tests/common/fakepicturemodule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Two players, each with a history of their own, exchanging files through the session as
// the window does: an honest game verifies every roll, and each way of cheating shows.
class TestDiceGame : public QObject {
    Q_OBJECT
private slots:
    void honestGameEveryRollVerified();
    void tamperingIsCaught_data();
    void tamperingIsCaught();
};

namespace {

std::unique_ptr<Session> sessionOf(const QString& history) {
    return std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), history);
}

void roll(Session& session, int combats) {
    for (int c = 0; c < combats; ++c) {
        // Two combats at one hex now and then, as players do.
        const int hex = 300 + c / 2 * 70;
        const int die = session.rollDie(hex, hex % 6);
        session.game().addCombat({ZeKClick(hex).position(), die, "attack " + std::to_string(c)});
    }
}

// One turn: open `opened` (a new game when empty), roll, save `saved`. Answers the verdict
// on the opened file, and whether this turn's dice were fixed.
struct Turn {
    QString verdict;
    bool fixed = false;
};
Turn play(const QString& history, const QString& opened, const QString& saved, int combats) {
    const auto session = sessionOf(history);
    Turn turn;
    if (opened.isEmpty()) {
        session->newGame();
    } else {
        const Session::OpenOutcome outcome = session->open(opened);
        if (!outcome.opened)
            qFatal("%s", qPrintable(outcome.error));
        turn.verdict = session->dice().openedVerdict()->text();
    }
    turn.fixed = session->dice().fixed();
    roll(*session, combats);
    if (!session->save(saved, true).saved)
        qFatal("no save");
    return turn;
}

QString verdictOf(const QString& history, const QString& file) {
    const auto session = sessionOf(history);
    if (!session->open(file).opened)
        return QStringLiteral("refused");
    return session->dice().openedVerdict()->text();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file rewritten as a cheat would: its sections and block changed by `change`.
void rewrite(const QString& path,
             const std::function<void(MoveFileContents&, KorvaExtension&)>& change) {
    OpenedMoveFile file = parseOpenedMoveFile(readAll(path));
    change(file.contents, file.extension);
    writeAll(path, encodeMoveFile(file.contents) + encodeKorvaExtension(file.extension));
}

} // namespace

void TestDiceGame::honestGameEveryRollVerified() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    play(a, {}, file(0), 0);
    // The first turn of each player has nothing to draw from; they roll freely and say so.
    QVERIFY(!play(b, file(0), file(1), 2).fixed);
    const Turn second = play(a, file(1), file(2), 4);
    QVERIFY(second.verdict.startsWith(QStringLiteral("rolls not verifiable (the first turn")));
    QVERIFY(second.fixed);
    for (int n = 3; n <= 11; ++n) {
        const Turn turn = play(n % 2 ? b : a, file(n - 1), file(n), n % 3 + 2);
        QVERIFY(turn.fixed);
        QCOMPARE(turn.verdict, QStringLiteral("all %1 rolls verified").arg((n - 1) % 3 + 2));
    }
    QCOMPARE(verdictOf(a, file(11)), QStringLiteral("all 4 rolls verified"));
    // A player opening their own file finds nothing of the opponent's to check.
    QCOMPARE(verdictOf(a, file(10)), QStringLiteral("rolls not verifiable (it is a file you "
                                                    "saved yourself)"));
}

void TestDiceGame::tamperingIsCaught_data() {
    QTest::addColumn<QString>("cheat");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("changed die byte") << "die"
                                      << "roll 1 does not match";
    QTest::newRow("roll deleted from the file") << "delete"
                                                << "roll 2 is missing, 3 rolls were made";
    QTest::newRow("restart, the roll made again") << "restart"
                                                  << "roll 1 is missing, 4 rolls were made";
    QTest::newRow("swapped secret")
        << "secret"
        << "the rolls do not match (the secret revealed is not the one their earlier file "
           "committed)";
    QTest::newRow("reused opened file")
        << "reuse"
        << "the rolls do not match (they were rolled against another file than the one you sent)";
    QTest::newRow("opened file changed by one byte")
        << "byte"
        << "the rolls do not match (they were rolled against another file than the one you sent)";
}

void TestDiceGame::tamperingIsCaught() {
    QFETCH(QString, cheat);
    QFETCH(QString, verdict);
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 1);
    // A cheat that kept the dice file of before a2's save still holds the secret of a0.
    const auto diceFiles = [&] {
        QStringList found;
        for (const QString& game : QDir(a).entryList({QStringLiteral("game-*")}, QDir::Dirs))
            found << QDir(a).filePath(game + QStringLiteral("/dice"));
        return found;
    };
    const QString diceFile = diceFiles().value(0);
    const QByteArray keptBeforeA2 = readAll(diceFile);
    play(a, file("b1.krv"), file("a2.krv"), 2);
    play(b, file("a2.krv"), file("b3.krv"), 2);

    QString opened = file("b3.krv");
    if (cheat == QLatin1String("reuse")) {
        writeAll(diceFile, keptBeforeA2);
        opened = file("b1.krv");
    } else if (cheat == QLatin1String("byte")) {
        QFile::copy(opened, file("b3x.krv"));
        opened = file("b3x.krv");
        rewrite(opened, [](MoveFileContents& c, KorvaExtension&) { c.banners[2][0] ^= 1; });
    } else if (cheat == QLatin1String("restart")) {
        const auto first = sessionOf(a);
        QVERIFY(first->open(opened).opened);
        roll(*first, 1); // ... and the program is closed without saving
    }
    const Turn turn = play(a, opened, file("a4.krv"), 3);
    QVERIFY(turn.fixed);
    if (cheat == QLatin1String("die")) {
        rewrite(file("a4.krv"), [](MoveFileContents& c, KorvaExtension&) {
            c.tags[0].dieValue = c.tags[0].dieValue % 6 + 1;
        });
    } else if (cheat == QLatin1String("delete")) {
        rewrite(file("a4.krv"), [](MoveFileContents& c, KorvaExtension& e) {
            for (std::size_t i = 0; i < e.diceRolls->rolls.size(); ++i) {
                if (e.diceRolls->rolls[i].number == 2) {
                    e.diceRolls->rolls.erase(e.diceRolls->rolls.begin() + qsizetype(i));
                    c.tags.erase(c.tags.begin() + qsizetype(i));
                }
            }
        });
    } else if (cheat == QLatin1String("secret")) {
        rewrite(file("a4.krv"), [](MoveFileContents&, KorvaExtension& e) {
            e.diceRolls->secret = dicedraw::newSecret();
        });
    }
    QCOMPARE(verdictOf(b, file("a4.krv")), verdict);
}

QTEST_GUILESS_MAIN(TestDiceGame)
#include "tst_dicegame.moc"
