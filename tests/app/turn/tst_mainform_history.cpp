#include "app/shell/noticebar.h"
#include "app/turn/movelayer.h"
#include "app/turn/turnlistdock.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "game/turnkeeper.h"
#include "history/gamehistory.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"

#include <QFile>
#include <QLabel>

// Korva's own block and the game's history through the real window's Save, Open and New game.
class TestMainFormHistory : public QObject {
    Q_OBJECT
private slots:
    void endOfTurnKeepsTheMovesForTheOpponent();
    void theOpponentsTurnLeavesOutYourUnfinishedMoves();
    void warningsNeverStopOpenOrSave();

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void TestMainFormHistory::endOfTurnKeepsTheMovesForTheOpponent() {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("history"));
    const QString turn = dir.filePath(QStringLiteral("turn1.krv"));
    std::optional<GameId> game;
    {
        MainFormHarness me(1, {}, {}, history);
        me.form->files().NewGame();
        const int from = me.counter(1).currentHex().index();
        me.drag(from, 300);
        me.prompts->endOfTurnAnswers = {QMessageBox::Yes};
        me.prompts->saveFiles = {turn};
        me.form->files().sbSaveClick();
        QVERIFY(!me.counter(1).hasMoved());
        game = me.form->game().turn().gameId();
        QVERIFY(game);
        // The three sections are byte for byte what they were without the block.
        const QByteArray saved = readAll(turn);
        const QByteArray sections = gamefile::moveFile(me.form->game(), true);
        QVERIFY(saved.startsWith(sections));
        QVERIFY(saved.mid(sections.size()).startsWith("KORVAEXT"));
    }
    // A fresh program opens it: the move is there, and the game is the same.
    MainFormHarness opponent(2, {}, {}, history);
    QVERIFY(opponent.form->files().OpenMove(turn));
    const TurnMoves& moves = opponent.form->game().turn().openedMoves();
    QCOMPARE(moves.source, MovesSource::TurnStartRecord);
    QCOMPARE(moves.changes.size(), std::size_t{1});
    QCOMPARE(moves.changes[0].toHex, 300);
    QCOMPARE(opponent.form->game().turn().gameId(), game);
    // Both programs kept their copy in the game's folder: saved, then opened (the same
    // bytes, so once).
    opponent.form->session().waitForHistory();
    const auto kept = opponent.form->session().history()->entries(GameHistory::gameKey(game, turn));
    QCOMPARE(kept.size(), std::size_t{1});
    QCOMPARE(kept[0].kind, HistoryEntry::Kind::Saved);
    QCOMPARE(readAll(kept[0].path), readAll(turn));
}

void TestMainFormHistory::theOpponentsTurnLeavesOutYourUnfinishedMoves() {
    QTemporaryDir dir;
    const QString bobsHistory = dir.filePath(QStringLiteral("bob"));
    const QString b1 = dir.filePath(QStringLiteral("b1.krv"));
    const QString a2 = dir.filePath(QStringLiteral("a2.krv"));
    {
        // Bob moves and saves without an end of turn.
        MainFormHarness bob(1, {}, {}, bobsHistory);
        bob.form->files().NewGame();
        bob.drag(bob.counter(1).currentHex().index(), 300);
        QVERIFY(bob.form->files().SaveMove(b1, false));
    }
    {
        // Alice opens it, moves once and ends her turn.
        MainFormHarness alice(2, {}, {}, dir.filePath(QStringLiteral("alice")));
        QVERIFY(alice.form->files().OpenMove(b1));
        alice.drag(alice.counter(200).currentHex().index(), 500);
        QVERIFY(alice.form->files().SaveMove(a2, true));
    }
    MainFormHarness bob(3, {}, {}, bobsHistory);
    QVERIFY(bob.form->files().OpenMove(a2));
    const std::vector<CounterChange>& changes = bob.form->game().turn().openedMoves().changes;
    QCOMPARE(changes.size(), std::size_t{1});
    QCOMPARE(changes[0].toHex, 500);
    QCOMPARE(bob.form->turn().moveLayer().moves().arrows.size(), std::size_t{1});
    QCOMPARE(bob.form->turn().turnListDock().heading(),
             QStringLiteral("1 change, since your file \u201C\u2068b1.krv\u2069\u201D"));
}

void TestMainFormHistory::warningsNeverStopOpenOrSave() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString turn = dir.filePath(QStringLiteral("turn2.krv"));
    {
        // A history that cannot be written: the save goes on and says so in a notice.
        MainFormHarness h(1, {}, {}, blocker.fileName() + QStringLiteral("/history"));
        h.place(1, 300, 200);
        QVERIFY(h.form->files().SaveMove(turn, false));
        QVERIFY(h.prompts->warnings.isEmpty());
        QTRY_VERIFY(h.form->noticeBar().notice().contains(QStringLiteral("history")));
    }

    // A cut block: the file opens as its sections say, the block is named in a notice.
    QByteArray bytes = readAll(turn);
    bytes.chop(5);
    QFile file(turn);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    MainFormHarness other;
    QVERIFY(other.form->files().OpenMove(turn));
    QVERIFY(other.prompts->warnings.isEmpty());
    QCOMPARE(other.counter(1).currentHex().index(), 300);
    QCOMPARE(other.form->game().turn().openedMoves().source, MovesSource::StartHexes);
    const QString message = other.form->noticeBar().notice();
    QVERIFY2(message.contains(QStringLiteral("ignored")), qPrintable(message));
}

QTEST_MAIN(TestMainFormHistory)
#include "tst_mainform_history.moc"
