#include "app/dialogs/gamesetupdialog.h"
#include "app/files/startpage.h"
#include "app/map/zoom.h"
#include "app/shell/commandtable.h"
#include "app/shell/noticebar.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"
#include "tests/app/mainformharness.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>

// Whose turn it is in the window: New game's question, the turn's button, the name Save
// proposes, what an Open tells, the start page, and the find label that follows a move.
class TestMainFormWhoseTurn : public QObject {
    Q_OBJECT
private slots:
    void newGameSaveAndOpenTellTheTurn();
    void unknownTurnSetByHand();
    void startPageUntilAGameShows();
    void findLabelFollowsTheUnit();
    void smallMapIsCentred();

private:
    static QString plainFile(const QString& path) {
        MoveFileContents contents = newGameContents();
        contents.counters[0] = {300, 300, 0, 0};
        return saveFileSafely(path, encodeMoveFile(contents)) ? path : QString();
    }
};

void TestMainFormWhoseTurn::newGameSaveAndOpenTellTheTurn() {
    QTemporaryDir dir;
    MainFormHarness h(1, {}, {}, dir.filePath(QStringLiteral("history")));
    h.prompts->dialogScript = [](QDialog& dialog) {
        auto& setup = dynamic_cast<GameSetupDialog&>(dialog);
        setup.gameNameEdit().setText(QStringLiteral("Salerno"));
        setup.movesFirstBox().setCurrentIndex(1); // the Axis
        setup.playerEdit(Side::First).setText(QStringLiteral("Alice"));
        setup.playerEdit(Side::Second).setText(QStringLiteral(" Bob\t"));
        return int(QDialog::Accepted);
    };
    h.form->commands().action(Command::NewGame)->trigger();
    const QToolButton& turn = h.form->turn().turnButton();
    QCOMPARE(turn.text(), QStringLiteral("Turn 1 · Axis to move"));
    // The names as quoted file text, and read out without the tool tip's markup.
    const QString players =
        QStringLiteral("Allies: \u201C\u2068Alice\u2069\u201D · Axis: \u201C\u2068Bob\u2069\u201D");
    QVERIFY(turn.toolTip().contains(players));
    QVERIFY2(turn.accessibleDescription().startsWith(players + QLatin1Char('\n')),
             qPrintable(turn.accessibleDescription()));
    QVERIFY(h.form->bannerTexts() == defaultBannerTexts());

    // Save proposes the game's name with the turn after it; the player types another.
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes, QMessageBox::No};
    h.prompts->saveFiles = {dir.filePath(QStringLiteral("mine.krv"))};
    h.form->files().sbSaveClick();
    QCOMPARE(turn.text(), QStringLiteral("Turn 1 · Allies to move"));
    QVERIFY(h.form->files().OpenMove(dir.filePath(QStringLiteral("mine.krv"))));
    QVERIFY2(h.form->noticeBar().notice().contains(QStringLiteral("You saved this file yourself")),
             qPrintable(h.form->noticeBar().notice()));
    h.form->files().sbSaveClick(); // cancelled in the dialog
    QCOMPARE(h.prompts->proposedNames, QStringList({QStringLiteral("salerno_t01_allies.krv"),
                                                    QStringLiteral("mine_t01_allies.krv")}));
    QCOMPARE(h.prompts->dialogFolders.constLast(), dir.path());
}

void TestMainFormWhoseTurn::unknownTurnSetByHand() {
    QTemporaryDir dir;
    const QString theirs = plainFile(dir.filePath(QStringLiteral("theirs.krv")));
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(theirs));
    QToolButton& turn = h.form->turn().turnButton();
    QCOMPARE(turn.text(), QStringLiteral("Turn unknown"));
    h.prompts->dialogScript = [](QDialog& dialog) {
        auto& setup = dynamic_cast<GameSetupDialog&>(dialog);
        setup.turnBox().setChecked(true);
        setup.numberBox().setValue(3);
        setup.toMoveBox().setCurrentIndex(1);
        return int(QDialog::Accepted);
    };
    turn.click();
    QCOMPARE(turn.text(), QStringLiteral("Turn 3 · Axis to move"));
    QVERIFY(h.form->session().document().isModified());
    const QString mine = dir.filePath(QStringLiteral("mine.krv"));
    QVERIFY(h.form->files().SaveMove(mine, true));
    QCOMPARE(readOpenedMoveFile(mine).extension.turn,
             std::optional<TurnRecord>({4, Side::First, Side::First}));
}

void TestMainFormWhoseTurn::startPageUntilAGameShows() {
    QTemporaryDir dir;
    const QString theirs = plainFile(dir.filePath(QStringLiteral("th&eirs.krv")));
    const QString settings = dir.filePath(QStringLiteral("korva.conf"));
    {
        MainFormHarness first(1, settings);
        QCoreApplication::processEvents(); // the events start with no game: the page is built
        QVERIFY(first.form->findChild<StartPage*>());
        QVERIFY(first.form->files().startPage());
        QVERIFY(first.form->files().OpenMove(theirs));
        QTRY_VERIFY(!first.form->findChild<StartPage*>());
    }
    {
        MainFormHarness h(1, settings);
        StartPage* page = h.form->files().startPage();
        QVERIFY(page && page->isVisibleTo(h.form.get()));
        auto* recent = page->findChild<QPushButton*>(QStringLiteral("bStartRecent"));
        QVERIFY(recent);
        QCOMPARE(recent->text(), QStringLiteral("th&&eirs.krv"));
        recent->click();
        QCOMPARE(h.form->session().fileName(), theirs);
        // Gone for good: nothing of it stays over the map.
        QTRY_VERIFY(!h.form->findChild<StartPage*>());
    }
    // A file opened as the program starts: the page is never built.
    MainFormHarness opened(1, settings);
    QVERIFY(opened.form->files().OpenMove(theirs));
    QVERIFY(!opened.form->findChild<StartPage*>());
    QCoreApplication::processEvents();
    QVERIFY(!opened.form->findChild<StartPage*>());
}

void TestMainFormWhoseTurn::findLabelFollowsTheUnit() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.form->find().findFirst(QStringLiteral("UK 6 Armor XX"));
    const auto shows = [&h](int hex) {
        return h.form->find().findStatus().contains(QString::fromStdString(hexgrid::hexLabel(hex)));
    };
    QVERIFY2(shows(300), qPrintable(h.form->find().findStatus()));
    h.drag(300, 301);
    QVERIFY2(shows(301), qPrintable(h.form->find().findStatus()));
    QVERIFY(h.form->find().findStatus().startsWith(QStringLiteral("1 of 1: ")));
}

void TestMainFormWhoseTurn::smallMapIsCentred() {
    MainFormHarness h;
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.map().zoom().setScale(0.25);
    const QWidget& viewport = *h.map().parentWidget();
    QVERIFY(h.map().width() < viewport.width());
    QVERIFY(qAbs(2 * h.map().x() + h.map().width() - viewport.width()) <= 1);
}

QTEST_MAIN(TestMainFormWhoseTurn)
#include "tst_mainform_whoseturn.moc"
