#include "app/shell/noticebar.h"
#include "combat/taggermgr.h"
#include "counters/newgamelayout.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QToolBar>
#include <QToolButton>

// New game in the window and on the command line, and the note on a placeholder file.
class TestMainFormNewGame : public QObject {
    Q_OBJECT
private slots:
    void newGameAsksThenReplacesTheGame();
    void savedNewGameEqualsCommandLine();
    void shortcutShowsTheHoldingArea();

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool isNewGame(MainFormHarness& h) {
        std::vector<CounterRecord> records;
        for (const auto& counter : h.form->game().counters().counters())
            records.push_back(counter->record());
        return records == newgame::newGameRecords() && !h.form->session().document().isModified();
    }
};

void TestMainFormNewGame::newGameAsksThenReplacesTheGame() {
    QTemporaryDir dir;
    const QString turn = dir.filePath(QStringLiteral("turn3.krv"));
    MoveFileContents opened{{}, {{ZeKClick(300).position(), 4, "Over the river"}}, {"3", "", ""}};
    for (int n = 1; n <= 234; ++n)
        opened.counters.push_back({n, n == 1 ? 300 : n, 0, 0});
    QVERIFY(saveFileSafely(turn, encodeMoveFile(opened)));
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(turn));
    h.drag(300, 301);
    mutableGame(h.form->session()).addCombat(TaggerInfo{ZeKClick(301).position(), 2, "own"});
    QAction* action = h.form->findChild<QAction*>(QStringLiteral("actNewGame"));

    // Cancel to unsaved changes, or to the new game's players, keeps the game.
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel, QMessageBox::No, QMessageBox::No};
    action->trigger();
    action->trigger();
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    h.prompts->dialogScript = [](QDialog&) { return int(QDialog::Accepted); };
    action->trigger();
    QCOMPARE(h.prompts->saveChangesAsked, 3);
    QVERIFY(isNewGame(h));
    QCOMPARE(h.stack(h.counter(1).currentHex().index()),
             std::vector<const Counter*>{&h.counter(1)});
    QVERIFY(h.stack(301).empty());
    QCOMPARE(h.form->game().tags().ownCount() + h.form->game().tags().openedCount(),
             std::size_t{0});
    QVERIFY(h.form->bannerTexts() == defaultBannerTexts());
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : new game"));
    QVERIFY(!h.form->findChild<QToolButton*>(QStringLiteral("sbUndo"))->isEnabled());

    // A drag under way when the game is replaced moves nothing when it ends.
    h.press(h.counter(1).currentHex().index());
    action->trigger();
    h.release(1);
    QVERIFY(h.form->play().dragImage().isHidden());
    QVERIFY(isNewGame(h));
}

void TestMainFormNewGame::savedNewGameEqualsCommandLine() {
    QTemporaryDir dir;
    const QString placeholder = dir.filePath(QStringLiteral("placeholder.krv"));
    const QString saved = dir.filePath(QStringLiteral("saved.krv"));
    const QString written = dir.filePath(QStringLiteral("written.krv"));
    MainFormHarness h;
    QVERIFY(h.form->files().SaveMove(placeholder, false)); // before any game was opened
    h.form->files().NewGame();
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {saved};
    h.form->files().sbSaveClick();
    QProcess korva;
    korva.start(QStringLiteral(KORVA_PROGRAM), {QStringLiteral("--new-game"), written});
    QVERIFY(korva.waitForFinished(60000));
    QCOMPARE(korva.exitCode(), 0);
    // The same three sections, and Korva's own block after them.
    QCOMPARE(readAll(saved).left(3000), readAll(written).left(3000));
    QVERIFY(readAll(saved).mid(3000).startsWith("KORVAEXT"));
    QVERIFY(readAll(written).mid(3000).startsWith("KORVAEXT"));

    // Only a file of placeholder hexes brings the note, and a new game takes it away; the
    // status panels stay in sight meanwhile.
    const NoticeBar& notice = h.form->noticeBar();
    QVERIFY(h.form->files().OpenMove(saved));
    QVERIFY(notice.notice().isEmpty());
    QVERIFY(h.form->files().OpenMove(placeholder));
    QVERIFY2(notice.notice().contains(QStringLiteral("placeholder")) &&
                 notice.notice().contains(QStringLiteral("New game (Ctrl+N)")),
             qPrintable(notice.notice()));
    const auto* panel = h.form->findChild<QLabel*>(QStringLiteral("bStatusPanel1"));
    QVERIFY(panel && !panel->isHidden());
    h.form->files().NewGame();
    QVERIFY(notice.notice().isEmpty());
}

void TestMainFormNewGame::shortcutShowsTheHoldingArea() {
    MainFormHarness h;
    const QAction* action = h.form->findChild<QAction*>(QStringLiteral("actNewGame"));
    QVERIFY(h.form->korvaToolBar().actions().contains(action));
    QVERIFY(action->toolTip().contains(QStringLiteral("Ctrl+N")));
    h.form->show();
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    h.prompts->dialogScript = [](QDialog&) { return int(QDialog::Accepted); };
    QTest::keyClick(h.form.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(isNewGame(h));
    // The first counter of each side is in view.
    const QRect visible = h.map().visibleRegion().boundingRect();
    for (const int row : {1, 102}) {
        const AFPoint at = ZeKClick(h.counter(row).currentHex().index()).position();
        QVERIFY(visible.contains(QRect(at.x, at.y, 24, 24)));
    }
}

QTEST_MAIN(TestMainFormNewGame)
#include "tst_mainform_newgame.moc"
