#include "app/dialogs/tshowcombatdlg.h"
#include "app/files/filesfeature.h"
#include "app/shell/noticebar.h"
#include "app/turn/gamedicedialog.h"
#include "app/turn/gamedicemodel.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

// Two players through the real window: the combats a player rolls carry their numbers, and
// the opponent sees one verdict in the turn list and Show Combat, and "verified" beside each
// roll in Show Combat, the stack viewer and the replay.
class TestMainFormDice : public QObject {
    Q_OBJECT
private slots:
    void theOpponentSeesTheVerdict();
    void uncheckableDiceAreTold();
    void anInterruptedTurnKeepsItsDice();
    void theGameDiceAreReadAside();
};

namespace {

std::function<int(QDialog&)> rollWith(const QString& comment) {
    return [comment](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("combatComment")), comment);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatBone")),
                          Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatCancel")),
                          Qt::LeftButton);
        return dialog.result();
    };
}

// Rolls `combats` times at hex 300 through the Combat command.
void rollThroughTheWindow(MainFormHarness& h, int combats) {
    h.hover(300);
    for (int c = 0; c < combats; ++c) {
        h.prompts->dialogScript = rollWith(QStringLiteral("push %1").arg(c + 1));
        h.form->play().pmCOmbatClick();
    }
}

// Opens `opened` (a new game when empty), rolls `combats` times, and saves `saved`.
void playTurn(const QString& history, const QString& opened, const QString& saved, int combats) {
    MainFormHarness h(1, {}, {}, history);
    Session& session = h.form->session();
    if (opened.isEmpty())
        session.newGame({Side::First, {QStringLiteral("Alice"), QStringLiteral("Bob")}, {}});
    else
        QVERIFY(session.open(opened).opened);
    rollThroughTheWindow(h, combats);
    QVERIFY(session.save(saved, true).saved);
}

} // namespace

void TestMainFormDice::theOpponentSeesTheVerdict() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    playTurn(a, {}, file(0), 0);
    playTurn(b, file(0), file(1), 1);
    playTurn(a, file(1), file(2), 2);

    MainFormHarness h(1, {}, {}, b);
    QVERIFY(h.form->session().open(file(2)).opened);
    QCOMPARE(h.form->turn().turnListDock().diceVerdict(),
             QStringLiteral("Their dice: all 2 rolls verified"));
    QCOMPARE(h.form->turn().turnListDock().diceTrust(), Trust::Verified);
    const TurnListModel& list = h.form->turn().turnListDock().model();
    QVERIFY(list.data(list.index(int(list.changeCount()), TurnListModel::Unit))
                .toString()
                .endsWith(QStringLiteral("(roll 1, verified)")));

    QStringList places;
    QList<Trust> trusts;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        places << dialog.findChild<QLabel*>(QStringLiteral("bPlaceLabel"))->text();
        trusts << static_cast<TShowCombatDlg&>(dialog).placeTrust();
        return int(QDialog::Accepted);
    };
    h.hover(300);
    h.form->play().pmShowCOmbatClick();
    QCOMPARE(places.size(), 2);
    QVERIFY2(places[1].contains(QStringLiteral("opponent's roll 2, verified")) &&
                 places[1].endsWith(QStringLiteral("all 2 rolls verified")),
             qPrintable(places[1]));
    QCOMPARE(trusts, QList({Trust::Verified, Trust::Verified}));

    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const QStringList texts = h.stackViewerTexts(300);
    QVERIFY(texts.join(QLatin1Char('|')).contains(QStringLiteral("(roll 1, verified)")));
    const auto verdicts = h.form->find().stackViewer().findChildren<TrustLabel*>();
    QVERIFY(std::any_of(verdicts.begin(), verdicts.end(),
                        [](const TrustLabel* label) { return label->trust() == Trust::Verified; }));

    h.form->findChild<QAction*>(QStringLiteral("actReplayTurn"))->trigger();
    const auto& steps = h.form->turn().replay().steps();
    QVERIFY(!steps.empty());
    QCOMPARE(steps.back().roll, QStringLiteral("roll 2, verified"));

    // A tampered roll says so at Open, over the map, with its red cross; the other roll stays
    // verified in the turn list, and the stack viewer crosses the tampered one.
    OpenedMoveFile tampered = parseOpenedMoveFile(readMoveFileBytes(file(2)));
    int& die = tampered.contents.tags[1].dieValue;
    die = tampered.extension.diceRolls->rolls[1].die = die % 6 + 1;
    const std::uint32_t wrong = tampered.extension.diceRolls->rolls[1].number;
    const QString forged = dir.filePath(QStringLiteral("t2 better.krv"));
    QFile out(forged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(encodeMoveFile(tampered.contents) + encodeKorvaExtension(tampered.extension));
    out.close();
    QVERIFY(h.form->files().OpenMove(forged));
    const auto noticeTrust = [&] {
        const auto* verdict = h.form->noticeBar().findChild<TrustLabel*>();
        return verdict && verdict->isVisibleTo(&h.form->noticeBar()) ? verdict->trust()
                                                                     : Trust::Stated;
    };
    QVERIFY2(h.form->noticeBar().notice().contains(
                 QStringLiteral("Their dice: roll %1 does not match").arg(wrong)),
             qPrintable(h.form->noticeBar().notice()));
    QCOMPARE(noticeTrust(), Trust::Refuted);
    const auto rowColour = [&](int k) {
        return list.data(list.index(int(list.changeCount()) + k, TurnListModel::Unit),
                         Qt::ForegroundRole);
    };
    QCOMPARE(rowColour(0), QVariant(TrustLabel::colour(Trust::Verified)));
    QCOMPARE(rowColour(1), QVariant(TrustLabel::colour(Trust::Refuted)));
    QVERIFY(h.stackViewerTexts(301).size() >= 0); // leaves the hex, so that 300 shows anew
    QVERIFY(h.stackViewerTexts(300)
                .join(QLatin1Char('|'))
                .contains(QStringLiteral("(roll %1, does not match)").arg(wrong)));
    const auto rolls = h.form->find().stackViewer().findChildren<TrustLabel*>();
    QVERIFY(std::any_of(rolls.begin(), rolls.end(),
                        [](const TrustLabel* label) { return label->trust() == Trust::Refuted; }));
}

void TestMainFormDice::uncheckableDiceAreTold() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    playTurn(a, {}, file(0), 0);
    playTurn(b, file(0), file(1), 1);
    // A history that holds none of the game cannot check the dice, and says so at Open.
    MainFormHarness stranger(1, {}, {}, dir.filePath(QStringLiteral("elsewhere")));
    QVERIFY(stranger.form->files().OpenMove(file(1)));
    QVERIFY2(stranger.form->noticeBar().notice().contains(
                 QStringLiteral("Their dice: rolls not verifiable")),
             qPrintable(stranger.form->noticeBar().notice()));
    const auto* verdict = stranger.form->noticeBar().findChild<TrustLabel*>();
    QCOMPARE(verdict->trust(), Trust::Unverified);
}

void TestMainFormDice::anInterruptedTurnKeepsItsDice() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    playTurn(a, {}, file(0), 0);
    playTurn(b, file(0), file(1), 1);
    playTurn(a, file(1), file(2), 1);
    // B rolls, saves the turn unfinished and quits; opens it again, rolls, and the program
    // dies; opens the file again, rolls once more and ends the turn.
    {
        MainFormHarness h(1, {}, {}, b);
        QVERIFY(h.form->files().OpenMove(file(2)));
        rollThroughTheWindow(h, 1);
        QVERIFY(h.form->files().SaveMove(file(30), false));
    }
    {
        MainFormHarness h(1, {}, {}, b);
        QVERIFY(h.form->files().OpenMove(file(30)));
        rollThroughTheWindow(h, 1);
    }
    {
        MainFormHarness h(1, {}, {}, b);
        QVERIFY(h.form->files().OpenMove(file(30)));
        QVERIFY2(h.form->noticeBar().notice().contains(QStringLiteral("A roll made earlier")),
                 qPrintable(h.form->noticeBar().notice()));
        rollThroughTheWindow(h, 1);
        QVERIFY(h.form->files().SaveMove(file(3), true));
    }

    MainFormHarness checker(1, {}, {}, a);
    QVERIFY(checker.form->files().OpenMove(file(3)));
    QCOMPARE(checker.form->turn().turnListDock().diceVerdict(),
             QStringLiteral("Their dice: all 3 rolls verified"));
}

// The game's dice are read off the window's thread, and every roll says its turn and its
// player: the first turn's too, rolled before any file was opened.
void TestMainFormDice::theGameDiceAreReadAside() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    playTurn(a, {}, file(0), 1);
    playTurn(b, file(0), file(1), 1);
    playTurn(a, file(1), file(2), 2);

    MainFormHarness h(1, {}, {}, b);
    QVERIFY(h.form->session().open(file(2)).opened);
    h.form->turn().showGameDice();
    GameDiceDialog& dialog = *h.form->turn().gameDiceDialog();
    QVERIFY(dialog.reading());
    QTRY_VERIFY(!dialog.reading());
    const GameDiceModel& model = dialog.model();
    QCOMPARE(model.rowCount(), 4);
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.data(model.index(row, GameDiceModel::Turn), Qt::DisplayRole).toString() +
                    QLatin1Char('/') +
                    model.data(model.index(row, GameDiceModel::Player), Qt::DisplayRole).toString();
    // The opponent's name quoted as theirs, Korva's "you" not; the verdicts with their badges.
    const QString alice = QStringLiteral("/\u201C\u2068Alice\u2069\u201D");
    QCOMPARE(rows, QStringList({QStringLiteral("Turn 1 · Allies") + alice,
                                QStringLiteral("Turn 1 · Axis/you"),
                                QStringLiteral("Turn 2 · Allies") + alice,
                                QStringLiteral("Turn 2 · Allies") + alice}));
    const auto colour = [&](int row) {
        return model.data(model.index(row, GameDiceModel::Verdict), Qt::ForegroundRole);
    };
    QCOMPARE(colour(0), QVariant(TrustLabel::colour(Trust::Unverified)));
    QCOMPARE(colour(1), QVariant());
    QCOMPARE(colour(2), QVariant(TrustLabel::colour(Trust::Verified)));
    const QStringList headings{
        dialog.findChild<QLabel*>(QStringLiteral("bGameDiceTheirs"))->text()};
    QCOMPARE(headings, QStringList{QStringLiteral("Rolls of \u201C\u2068Alice\u2069\u201D")});
}

QTEST_MAIN(TestMainFormDice)
#include "tst_mainform_dice.moc"
