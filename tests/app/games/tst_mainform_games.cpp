#include "app/files/startpage.h"
#include "app/games/gamesdialog.h"
#include "app/games/gamesfeature.h"
#include "app/games/movewatcher.h"
#include "app/shell/commandtable.h"
#include "app/shell/noticebar.h"
#include "app/shell/trustlabel.h"
#include "base/untrustedtext.h"
#include "history/gameplaces.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

using K = HistoryEntry::Kind;

QByteArray korvaFile(const GameId& id, TurnRecord turn, const QString& name = {},
                     const std::optional<DiceRolls>& dice = {}) {
    MoveFileContents contents;
    for (int n = 1; n <= 234; ++n)
        contents.counters.push_back({n, n, 0, 0});
    KorvaExtension block;
    block.gameId = id;
    block.turn = turn;
    block.players = {QStringLiteral("Alice"), QStringLiteral("Bob")};
    block.gameName = name;
    block.turnStart = presentPlaces(contents.counters);
    block.diceRolls = dice;
    return encodeMoveFile(contents) + encodeKorvaExtension(block);
}

// A name from a file as Korva's lines quote it.
QString q(const char* name) {
    return untrustedtext::quoted(QString::fromUtf8(name));
}

QStringList startGames(MainFormHarness& h) {
    QStringList games;
    for (const QPushButton* button :
         h.form->files().startPage()->findChildren<QPushButton*>(QStringLiteral("bStartGame")))
        games << button->text();
    return games;
}

void write(const QString& path, const QByteArray& bytes) {
    QVERIFY(saveFileSafely(path, bytes));
}

} // namespace

// The games list in the window: every game, whose move, the file Enter opens, archived
// games, and the moves that arrive in a watched folder.
class TestMainFormGames : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listsEveryGame();
    void enterOpensTheRightFile();
    void watchedFolderTellsOfNewMoves();
    void startPageOffersTheGames();
    void yourSideIsTheOneYouEndedATurnFor_data();
    void yourSideIsTheOneYouEndedATurnFor();

private:
    // Keeps a file of the game as the window would, the file itself in the mail folder.
    QString keep(const GameId& id, const QByteArray& bytes, const QString& title, K kind, int hour);
    QStringList column(MainFormHarness& h, int column) const;
    void showGames(MainFormHarness& h) const;

    std::unique_ptr<QTemporaryDir> dir_;
    QString history_;
    QString mail_;
    GameId salerno_ = GameId::generate();
    GameId anzio_ = GameId::generate();
    GameId ortona_ = GameId::generate();
};

QString TestMainFormGames::keep(const GameId& id, const QByteArray& bytes, const QString& title,
                                K kind, int hour) {
    const QString file = QDir(mail_).filePath(title + QStringLiteral(".krv"));
    write(file, bytes);
    const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(hour * 3600 - 24 * 3600);
    [&] { QCOMPARE(GameHistory(history_).record(bytes, id, file, kind, when), QString()); }();
    gameplaces::note(history_, id, file);
    return file;
}

void TestMainFormGames::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    history_ = dir_->filePath(QStringLiteral("history"));
    mail_ = dir_->filePath(QStringLiteral("mail"));
    QVERIFY(QDir().mkpath(mail_));
    // Salerno: Alice's move (the player's); Anzio: the player, Bob, waits; Ortona: only
    // opened so far. The sides are noted as the player's saves note them.
    gameplaces::noteSide(history_, salerno_,
                         keep(salerno_,
                              korvaFile(salerno_, {1, Side::Second}, QStringLiteral("Salerno")),
                              QStringLiteral("salerno1"), K::Saved, 1),
                         Side::First);
    keep(salerno_, korvaFile(salerno_, {2, Side::First}), QStringLiteral("salerno2"), K::Opened, 2);
    keep(anzio_, korvaFile(anzio_, {4, Side::Second}), QStringLiteral("anzio4"), K::Opened, 3);
    gameplaces::noteSide(
        history_, anzio_,
        keep(anzio_, korvaFile(anzio_, {5, Side::First}), QStringLiteral("anzio5"), K::Saved, 4),
        Side::Second);
    keep(ortona_, korvaFile(ortona_, {3, Side::First}), QStringLiteral("ortona"), K::Opened, 5);
}

void TestMainFormGames::showGames(MainFormHarness& h) const {
    h.form->commands().action(Command::Games)->trigger();
    QVERIFY(h.form->games().dialog() && h.form->games().dialog()->isVisible());
}

QStringList TestMainFormGames::column(MainFormHarness& h, int column) const {
    const GamesModel& model = h.form->games().model();
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

void TestMainFormGames::listsEveryGame() {
    const QString settings = dir_->filePath(QStringLiteral("korva.conf"));
    {
        MainFormHarness h(1, settings, {}, history_);
        showGames(h);
        QCOMPARE(
            column(h, GamesModel::WhoseMove),
            (QStringList{QStringLiteral("your move"), QStringLiteral("your side: not yet known"),
                         QStringLiteral("waiting for ") + q("Alice")}));
        QCOMPARE(column(h, GamesModel::Name).first(), q("Salerno"));
        // The dice follow the list.
        h.form->games().waitForChecks();
        QTRY_VERIFY(!column(h, GamesModel::Dice).contains(QStringLiteral("checking…")));
        QVERIFY(
            column(h, GamesModel::Dice).first().startsWith(QStringLiteral("rolls not verifiable")));
        // Korva's verdict with its badge and colour; no other column has them.
        const GamesModel& model = h.form->games().model();
        QCOMPARE(model.index(0, GamesModel::Dice).data(Qt::ForegroundRole),
                 QVariant(TrustLabel::colour(Trust::Unverified)));
        QVERIFY(!model.index(0, GamesModel::Dice).data(Qt::DecorationRole).isNull());
        QVERIFY(model.index(0, GamesModel::Players).data(Qt::DecorationRole).isNull());

        // Archived, a game leaves the list; nothing of it is deleted, and it comes back on asking.
        GamesDialog& dialog = *h.form->games().dialog();
        dialog.view().setCurrentIndex(h.form->games().model().index(0, 0));
        QCOMPARE(dialog.archiveButton().text(), QStringLiteral("Archive"));
        dialog.archiveButton().click();
        QCOMPARE(column(h, GamesModel::WhoseMove).size(), 2);
        QCOMPARE(GameHistory(history_).entries(GameHistory::gameKey(salerno_, {})).size(),
                 std::size_t{2});
        dialog.showArchivedBox().setChecked(true);
        QCOMPARE(column(h, GamesModel::Name).first(), q("Salerno") + QStringLiteral(" (archived)"));
        dialog.view().setCurrentIndex(h.form->games().model().index(0, 0));
        QCOMPARE(dialog.archiveButton().text(), QStringLiteral("Restore"));
    }
    // Remembered by the next start.
    MainFormHarness next(1, settings, {}, history_);
    showGames(next);
    QCOMPARE(column(next, GamesModel::WhoseMove).size(), 2);
}

void TestMainFormGames::enterOpensTheRightFile() {
    MainFormHarness h(1, {}, {}, history_);
    showGames(h);
    QTableView& view = h.form->games().dialog()->view();
    // Her move: the opponent's latest.
    view.setCurrentIndex(h.form->games().model().index(0, 0));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(h.form->session().fileName(), QDir(mail_).filePath(QStringLiteral("salerno2.krv")));
    QVERIFY(!h.form->games().dialog()->isVisible());

    // Waiting: the player's own latest, after the question about unsaved changes.
    h.drag(1, 2);
    showGames(h);
    view.setCurrentIndex(h.form->games().model().index(2, 0));
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel, QMessageBox::No};
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(h.form->session().fileName(), QDir(mail_).filePath(QStringLiteral("salerno2.krv")));
    showGames(h);
    view.setCurrentIndex(h.form->games().model().index(2, 0));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(h.prompts->saveChangesAsked, 2);
    QCOMPARE(h.form->session().fileName(), QDir(mail_).filePath(QStringLiteral("anzio5.krv")));

    // A file no longer where it was: said, and nothing opens.
    QVERIFY(QFile::remove(QDir(mail_).filePath(QStringLiteral("ortona.krv"))));
    showGames(h);
    view.setCurrentIndex(h.form->games().model().index(1, 0));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY(
        h.prompts->warnings.first().startsWith(q("ortona.krv") + QStringLiteral(" is no longer")));
    QCOMPARE(h.form->session().fileName(), QDir(mail_).filePath(QStringLiteral("anzio5.krv")));
}

void TestMainFormGames::watchedFolderTellsOfNewMoves() {
    const QString downloads = dir_->filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(downloads));
    MainFormHarness h(1, {}, {}, history_);
    GamesFeature& games = h.form->games();
    games.watcher().setTimings(0, 20);
    QVERIFY(!games.watcher().hasSystemWatcher()); // nothing watched yet
    games.setWatchedFolders({downloads});
    QVERIFY(games.watcher().isWatching(downloads));
    showGames(h);
    QSignalSpy looked(&games.watcher(), &MoveWatcher::fileArrived);

    // A file of no known game, a damaged file and another file are passed over in silence.
    write(downloads + QStringLiteral("/other.krv"),
          korvaFile(GameId::generate(), {9, Side::First}));
    write(downloads + QStringLiteral("/cut.krv"), korvaFile(anzio_, {5, Side::Second}).left(700));
    write(downloads + QStringLiteral("/notes.txt"), "hello");
    QTRY_COMPARE(looked.size(), 2);
    games.waitForChecks();
    QCoreApplication::processEvents();
    QCOMPARE(h.form->noticeBar().notice(), QString());
    QVERIFY(
        !column(h, GamesModel::WhoseMove).join(QLatin1Char(' ')).contains(QStringLiteral("new")));

    // Alice's answer in Anzio: told, and first in the list with its own turn and dice, on the
    // start page too; Enter opens it.
    const QString answer = downloads + QStringLiteral("/anzio5_answer.krv");
    write(answer, korvaFile(anzio_, {5, Side::Second}, {}, DiceRolls{}));
    QTRY_VERIFY(h.form->noticeBar().notice().startsWith(QStringLiteral("New move — ")));
    QVERIFY(h.form->noticeBar().notice().contains(QStringLiteral(", from ") + q("Alice")));
    QCOMPARE(column(h, GamesModel::WhoseMove).first(),
             QStringLiteral("new move from ") + q("Alice"));
    QCOMPARE(column(h, GamesModel::Turn).first(), QStringLiteral("Turn 5 · Axis to move"));
    const QString dice = column(h, GamesModel::Dice).first();
    QVERIFY2(!dice.isEmpty() && !dice.contains(QStringLiteral("carries no dice record")) &&
                 dice != QStringLiteral("checking…"),
             qPrintable(dice));
    QCOMPARE(startGames(h).first(), q("Alice") + QStringLiteral(" – ") + q("Bob") +
                                        QStringLiteral(" — new move from ") + q("Alice"));
    QTableView& view = games.dialog()->view();
    view.setCurrentIndex(games.model().index(0, 0));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(h.form->session().fileName(), answer);
    showGames(h);
    QCOMPARE(column(h, GamesModel::WhoseMove).first(), QStringLiteral("your move"));

    // The folder goes and comes back with Bob's answer in Salerno (he plays the Axis there).
    h.form->noticeBar().clearNotice();
    QVERIFY(QDir(downloads).removeRecursively());
    QTRY_VERIFY(!games.watcher().isWatching(downloads));
    QVERIFY(QDir().mkpath(downloads));
    write(downloads + QStringLiteral("/salerno2_answer.krv"),
          korvaFile(salerno_, {2, Side::Second}));
    QTRY_VERIFY(h.form->noticeBar().notice().contains(QStringLiteral(", from ") + q("Bob")));
    // Nothing in the folder was touched.
    QCOMPARE(QDir(downloads).entryList(QDir::Files),
             QStringList{QStringLiteral("salerno2_answer.krv")});
    // Without a notification service the notice says what to press, and a click opens it.
    const QString gamesKey =
        h.form->commands().action(Command::Games)->shortcut().toString(QKeySequence::NativeText);
    QVERIFY2(
        h.form->noticeBar().notice().endsWith(
            QStringLiteral("Click here to open it, or press %1 for the games list.").arg(gamesKey)),
        qPrintable(h.form->noticeBar().notice()));
    QTest::mouseClick(&h.form->noticeBar(), Qt::LeftButton);
    QCOMPARE(h.form->session().fileName(), downloads + QStringLiteral("/salerno2_answer.krv"));
}

void TestMainFormGames::startPageOffersTheGames() {
    // A right-to-left name turns no line of Korva's around.
    const GameId hebrew = GameId::generate();
    keep(hebrew, korvaFile(hebrew, {2, Side::First}, QStringLiteral("\u05d0\u05d1\u05d2 12")),
         QStringLiteral("hebrew"), K::Opened, 0);
    MainFormHarness h(1, {}, {}, history_);
    StartPage* page = h.form->files().startPage();
    QVERIFY(page);
    QStringList games;
    for (const QPushButton* button : page->findChildren<QPushButton*>(QStringLiteral("bStartGame")))
        games << button->text();
    QCOMPARE(games.first(), q("Salerno") + QStringLiteral(" — your move"));
    QCOMPARE(games.size(), 4);
    for (const QString& game : games)
        QVERIFY2(!game.isRightToLeft(), qPrintable(game));
    QVERIFY(page->findChildren<QPushButton*>(QStringLiteral("bStartRecent")).isEmpty());
}

void TestMainFormGames::yourSideIsTheOneYouEndedATurnFor_data() {
    QTest::addColumn<bool>("axisFirst");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<bool>("endsTurn");
    QTest::addColumn<bool>("savesOwnFileAgain");
    QTest::addColumn<bool>("againEndsTurn");
    QTest::addColumn<QString>("players");
    QTest::addColumn<QString>("whoseMove");
    const QString alice =
        QStringLiteral("you: %1 (Allies) · opponent: %2 (Axis)").arg(q("Alice"), q("Bob"));
    QTest::newRow("ended her turn, then saved her own file again")
        << false << true << true << true << false << alice
        << QStringLiteral("waiting for ") + q("Bob");
    QTest::newRow("ended her turn, then ended it again from her own file")
        << false << true << true << true << true << alice << QStringLiteral("your move");
    QTest::newRow("sent the set-up for the opponent to begin")
        << true << false << false << false << false << alice
        << QStringLiteral("waiting for ") + q("Bob");
    QTest::newRow("moved first, saved within her turn")
        << false << true << false << false << false << alice << QStringLiteral("your move");
    QTest::newRow("began as the Axis, ended her turn")
        << true << true << true << false << false
        << QStringLiteral("you: %1 (Axis) · opponent: %2 (Allies)").arg(q("Bob"), q("Alice"))
        << QStringLiteral("waiting for ") + q("Alice");
}

void TestMainFormGames::yourSideIsTheOneYouEndedATurnFor() {
    QFETCH(bool, axisFirst);
    QFETCH(bool, moves);
    QFETCH(bool, endsTurn);
    QFETCH(bool, savesOwnFileAgain);
    QFETCH(bool, againEndsTurn);
    MainFormHarness h(1, {}, {}, dir_->filePath(QStringLiteral("own history")));
    h.form->files().NewGame({axisFirst ? Side::Second : Side::First,
                             {QStringLiteral("Alice"), QStringLiteral("Bob")},
                             QStringLiteral("Anzio")});
    if (moves)
        h.drag(h.counter(1).currentHex().index(), 300);
    const QString first = QDir(mail_).filePath(QStringLiteral("anzio_t1.krv"));
    QVERIFY(h.form->files().SaveMove(first, endsTurn));
    if (savesOwnFileAgain) {
        QVERIFY(h.form->files().OpenMove(first));
        h.drag(300, 301);
        QVERIFY(h.form->files().SaveMove(QDir(mail_).filePath(QStringLiteral("again.krv")),
                                         againEndsTurn));
    }
    h.form->session().waitForHistory();
    showGames(h);
    QFETCH(QString, players);
    QFETCH(QString, whoseMove);
    QCOMPARE(column(h, GamesModel::Players), QStringList{players});
    QCOMPARE(column(h, GamesModel::WhoseMove), QStringList{whoseMove});
}

QTEST_MAIN(TestMainFormGames)
#include "tst_mainform_games.moc"
