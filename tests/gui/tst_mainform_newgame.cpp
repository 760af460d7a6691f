#include "mainformharness.h"
#include "movefile.h"
#include "newgamefile.h"
#include "newgamelayout.h"
#include "taggermgr.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

// New game in the window and on the command line, and the note on a placeholder file.
class TestMainFormNewGame : public QObject {
    Q_OBJECT
private slots:
    void newGameAsksThenReplacesTheGame();
    void savedNewGameEqualsCommandLine();
    void shortcutShowsTheHoldingArea();
    void placeholderFileSuggestsNewGame();

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static std::vector<CounterRecord> records(MainFormHarness& h) {
        std::vector<CounterRecord> result;
        for (const auto& counter : h.form->counterMgr().counters())
            result.push_back(counter->record());
        return result;
    }
    static QAction* newGameAction(MainFormHarness& h) {
        return h.form->findChild<QAction*>(QStringLiteral("actNewGame"));
    }
};

void TestMainFormNewGame::newGameAsksThenReplacesTheGame() {
    QTemporaryDir dir;
    const QString turn = dir.filePath(QStringLiteral("turn3.krv"));
    MoveFileContents opened;
    for (int n = 1; n <= 234; ++n)
        opened.counters.push_back({n, n, 0, 0});
    opened.counters[0] = {300, 300, 1, 2};
    opened.tags.push_back(TagRecord{ZeKClick(300).position(), 4, "Over the river"});
    opened.banners = {"Turn 3", "", "notes"};
    QVERIFY(saveFileSafely(turn, encodeMoveFile(opened)));

    MainFormHarness h;
    QVERIFY(h.form->OpenMove(turn));
    h.drag(300, 301);
    h.form->taggerMgr().addCombat(TaggerInfo{ZeKClick(301).position(), 2, "own"});
    QAction* action = newGameAction(h);
    QVERIFY(action);

    h.prompts->saveChangesAnswers = {QMessageBox::Cancel};
    action->trigger();
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : turn3"));

    h.prompts->saveChangesAnswers = {QMessageBox::No};
    action->trigger();
    QCOMPARE(h.prompts->saveChangesAsked, 2);
    QVERIFY(records(h) == newgame::newGameRecords());
    QCOMPARE(h.stack(newgame::newGameRecords()[0].currentHex),
             std::vector<const Counter*>{&h.counter(1)});
    QVERIFY(h.stack(301).empty());
    QCOMPARE(h.form->taggerMgr().ownCount() + h.form->taggerMgr().openedCount(), std::size_t{0});
    QVERIFY(h.form->bannerTexts() == defaultBannerTexts());
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : new game"));
    QVERIFY(!h.form->findChild<QToolButton*>(QStringLiteral("sbUndo"))->isEnabled());
    QVERIFY(!h.form->hasUnsavedChanges());

    // A drag under way when the game is replaced moves nothing when it ends.
    const int first = h.counter(1).currentHex().index();
    h.press(first);
    action->trigger();
    h.release(first + 1);
    QVERIFY(h.form->dragImage().isHidden());
    QVERIFY(records(h) == newgame::newGameRecords());
    QVERIFY(!h.form->hasUnsavedChanges());
}

void TestMainFormNewGame::savedNewGameEqualsCommandLine() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.krv"));
    const QString written = dir.filePath(QStringLiteral("written.krv"));
    MainFormHarness h;
    // The banners the window starts with are the ones a new game writes.
    QVERIFY(h.form->bannerTexts() == defaultBannerTexts());
    newGameAction(h)->trigger();
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {saved};
    h.form->sbSaveClick();

    QProcess korva;
    korva.start(QStringLiteral(KORVA_PROGRAM), {QStringLiteral("--new-game"), written});
    QVERIFY(korva.waitForFinished(60000));
    QCOMPARE(korva.exitCode(), 0);
    QVERIFY(korva.readAllStandardError().isEmpty());
    QCOMPARE(readAll(written).size(), 3000);
    QCOMPARE(readAll(written), readAll(saved));
}

void TestMainFormNewGame::shortcutShowsTheHoldingArea() {
    MainFormHarness h;
    QAction* action = newGameAction(h);
    QVERIFY(h.form->korvaToolBar().actions().contains(action));
    QVERIFY(action->toolTip().contains(QStringLiteral("Ctrl+N")));
    h.form->show();
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    QTest::keyClick(h.form.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : new game"));
    // The first counter of each side is in view.
    const QRect visible = h.map().visibleRegion().boundingRect();
    for (const int row : {1, newgame::kFirstSideRows + 1}) {
        const AFPoint at = ZeKClick(h.counter(row).currentHex().index()).position();
        QVERIFY2(visible.contains(QRect(at.x, at.y, 24, 24)), qPrintable(QString::number(row)));
    }
}

void TestMainFormNewGame::placeholderFileSuggestsNewGame() {
    QTemporaryDir dir;
    const QString placeholder = dir.filePath(QStringLiteral("placeholder.krv"));
    const QString fresh = dir.filePath(QStringLiteral("fresh.krv"));
    MainFormHarness h;
    QVERIFY(h.form->SaveMove(placeholder, false)); // before any game was opened
    h.form->NewGame();
    QVERIFY(h.form->SaveMove(fresh, false));
    const QStatusBar* bar = h.form->statusBar();

    QVERIFY(h.form->OpenMove(fresh));
    QVERIFY(bar->currentMessage().isEmpty());
    QVERIFY(h.form->OpenMove(placeholder));
    QVERIFY2(bar->currentMessage().contains(QStringLiteral("placeholder")) &&
                 bar->currentMessage().contains(QStringLiteral("New game (Ctrl+N)")),
             qPrintable(bar->currentMessage()));
    h.form->NewGame();
    QVERIFY(bar->currentMessage().isEmpty());
}

QTEST_MAIN(TestMainFormNewGame)
#include "tst_mainform_newgame.moc"
