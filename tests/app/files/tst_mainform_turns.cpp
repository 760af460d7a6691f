#include "app/dialogs/tcombat.h"
#include "app/dialogs/tshowcombatdlg.h"
#include "app/pictures/folderpicturemodule.h"
#include "app/pictures/layeredpicturemodule.h"
#include "app/shell/commandtable.h"
#include "app/shell/noticebar.h"
#include "base/safesave.h"
#include "bench/common/busymovefile.h"
#include "board/mappicture.h"
#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "combat/taggermgr.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"
#include "tests/common/smalltmpfs.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolButton>

#include <sys/stat.h>

// A turn on file: combats, Show Combat, Save, Open, closing, and the About trace.
namespace {
// Calls back at each paint of a widget.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget& widget, std::function<void()> painted) : painted_(std::move(painted)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> painted_;
};
} // namespace

class TestMainFormTurns : public QObject {
    Q_OBJECT
private slots:
    void combatRecordsOwnTag();
    void combatClosedBeforeRollRecordsNothing();
    void showCombatOrder();
    void saveAnswersAndFiles();
    void saveCancelledWritesNothing();
    void saveFailureKeepsTurnAndFile();
    void saveOnFullDiskKeepsLastTurn();
    void onlyTheReportFails_data();
    void onlyTheReportFails();
    void openReplacesPositionAndClearsUndo();
    void openRefusedChangesNothing();
    void everyOpenReplacesTheNotice();
    void ownEndedTurnAsksBeforeEndingAgain();
    void openFailingHalfWayChangesNothing();
    void damagedPictureFallsBackWithOneWarning();
    void saveOpenSaveIsByteIdentical();
    void openRepaintsTheShownMapOnce();
    void openAtStartPaintsFirst();
    void combatsAreNotWrittenBack();
    void closeAsksWhenUnsaved();
    void openAsksWhenUnsaved();
    void aboutAppendsTrace();

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Types a comment, rolls, and closes the die-roll dialog the way `close` says.
    static std::function<int(QDialog&)> rollWith(const QString& comment) {
        return [comment](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("combatComment"));
            QTest::keyClicks(edit, comment);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatBone")),
                              Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatCancel")),
                              Qt::LeftButton);
            return dialog.result();
        };
    }
};

void TestMainFormTurns::combatRecordsOwnTag() {
    MainFormHarness h(7);
    h.hover(2966);
    h.prompts->dialogScript = rollWith(QStringLiteral("Attack on Cassino"));
    DieRandom expected(7);
    const int roll = rollDie(expected, 6, 0, 2966 % 6);
    h.form->play().pmCOmbatClick();
    const auto& own = h.form->game().tags().ownTags();
    QCOMPARE(own.size(), std::size_t{1});
    QCOMPARE(own.begin()->dieValue(), roll);
    QCOMPARE(own.begin()->comment(), std::string("Attack on Cassino"));
    QVERIFY(own.begin()->position() == ZeKClick(2966).position());
    // Its picture is on the map, left of the hex's top edge.
    const AFPoint at = own.begin()->drawPosition();
    QCOMPARE(h.form->game().mapPicture().image().pixel(at.x + 3, at.y + 3) & 0xFFFFFF,
             FakePictureModule::colourOf(16010 + roll) & 0xFFFFFF);
    QVERIFY(h.form->session().document().isModified());
}

void TestMainFormTurns::combatClosedBeforeRollRecordsNothing() {
    MainFormHarness h;
    h.hover(500);
    h.prompts->dialogScript = [](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("combatComment")),
                         QStringLiteral("no"));
        dialog.close();
        return dialog.result();
    };
    h.form->play().pmCOmbatClick();
    QCOMPARE(h.form->game().tags().ownTags().size(), std::size_t{0});
    QVERIFY(!h.form->session().document().isModified());
}

void TestMainFormTurns::showCombatOrder() {
    MainFormHarness h;
    h.hover(500);
    h.prompts->dialogScript = rollWith(QStringLiteral("first"));
    h.form->play().pmCOmbatClick();
    h.prompts->dialogScript = rollWith(QStringLiteral("second"));
    h.form->play().pmCOmbatClick();
    h.hover(501);
    h.prompts->dialogScript = rollWith(QStringLiteral("elsewhere"));
    h.form->play().pmCOmbatClick();
    h.form->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))
        ->click(); // hidden tags show too

    QStringList shown;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        shown << dialog.findChild<QLabel*>(QStringLiteral("bCommentLabel"))->text();
        return int(QDialog::Accepted);
    };
    h.hover(500);
    h.form->play().pmShowCOmbatClick();
    QCOMPARE(shown, QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    shown.clear();
    h.hover(502);
    h.form->play().pmShowCOmbatClick();
    QVERIFY(shown.isEmpty());
}

void TestMainFormTurns::saveAnswersAndFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("turn3.krv"));
    MainFormHarness h;
    h.place(1, 300, 200);
    h.rebuild();
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {path};
    h.form->files().sbSaveClick();
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : turn3"));
    QVERIFY(h.counter(1).hasMoved()); // No keeps the start hexes
    QVERIFY(!h.form->session().document().isModified());
    const QByteArray saved = readAll(path);
    // The three sections, then Korva's own block.
    QCOMPARE(saved.indexOf("KORVAEXT"), 2816 + 8 + (4 + 37 + 1) + (4 + 34 + 1) + (4 + 90 + 1));
    QVERIFY(readAll(dir.filePath(QStringLiteral("turn3.txt"))).contains("did not move"));

    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {path};
    h.form->files().sbSaveClick();
    QVERIFY(!h.counter(1).hasMoved());
    // The report still shows the turn's move.
    QVERIFY(readAll(dir.filePath(QStringLiteral("turn3.txt"))).contains("UK 6 Armor XX"));
}

void TestMainFormTurns::saveCancelledWritesNothing() {
    QTemporaryDir dir;
    MainFormHarness h;
    h.place(1, 300, 200);
    h.prompts->endOfTurnAnswers = {QMessageBox::Cancel};
    h.form->files().sbSaveClick();
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {QString()}; // the save dialog cancelled
    h.form->files().sbSaveClick();
    QVERIFY(h.counter(1).hasMoved());
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva"));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestMainFormTurns::saveFailureKeepsTurnAndFile() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.krv")));
    // A folder that does not exist, and a name a folder already has (where the report
    // itself could be written, and must not be).
    for (const QString& name : {QStringLiteral("missing/turn.krv"), QStringLiteral("taken.krv")}) {
        MainFormHarness h;
        h.place(1, 300, 200);
        h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
        h.prompts->saveFiles = {dir.filePath(name)};
        h.form->files().sbSaveClick();
        QCOMPARE(h.prompts->warnings.size(), 1);
        QVERIFY(
            h.prompts->warnings.front().startsWith(QStringLiteral("Could not create a new file")));
        QVERIFY(h.counter(1).hasMoved()); // the turn did not end
        QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("taken.krv")});
}

// A real full disk: the last turn's files stay as they were, and so does this turn.
void TestMainFormTurns::saveOnFullDiskKeepsLastTurn() {
    SmallTmpfs disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("turn.krv"));
    const QString report = disk.filePath(QStringLiteral("turn.txt"));
    QVERIFY(saveFileSafely(path, "last turn") && saveFileSafely(report, "last report"));
    QVERIFY(disk.fillLeaving(1024));
    MainFormHarness h;
    h.place(1, 300, 200);
    h.rebuild();
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {path};
    h.form->files().sbSaveClick();
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY2(h.prompts->warnings[0].startsWith(QStringLiteral("Could not create a new file\n")) &&
                 h.prompts->warnings[0].contains(QStringLiteral("space")),
             qPrintable(h.prompts->warnings[0]));
    QCOMPARE(readAll(path), QByteArray("last turn"));
    QCOMPARE(readAll(report), QByteArray("last report"));
    QVERIFY(h.counter(1).hasMoved());
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva"));
}

void TestMainFormTurns::onlyTheReportFails_data() {
    QTest::addColumn<QString>("moveFile");
    QTest::addColumn<QString>("reason");
    QTest::newRow("report name taken by a folder")
        << QStringLiteral("turn.krv") << QStringLiteral("folder");
    QTest::newRow("move file named like its report")
        << QStringLiteral("turn.txt") << QStringLiteral("replace the move file");
}

void TestMainFormTurns::onlyTheReportFails() {
    QFETCH(QString, moveFile);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    if (moveFile.endsWith(QLatin1String(".krv")))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("turn.txt")));
    const QString path = dir.filePath(moveFile);
    MainFormHarness h;
    h.place(1, 300, 200);
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {path};
    h.form->files().sbSaveClick();
    QCOMPARE(h.prompts->warnings.size(), 1);
    const QString& warning = h.prompts->warnings[0];
    QVERIFY2(warning.startsWith(QStringLiteral("The move file was saved, but the move report was "
                                               "not.\n")) &&
                 warning.contains(reason),
             qPrintable(warning));
    // The move file is saved whole and the turn is over.
    QCOMPARE(readAll(path).left(4), QByteArray::fromHex("c78aa900"));
    QVERIFY(!h.counter(1).hasMoved());
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : turn"));
}

void TestMainFormTurns::openReplacesPositionAndClearsUndo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("opp.krv"));
    {
        MainFormHarness opponent;
        opponent.place(1, 300, 200);
        opponent.place(2, 300, 300);
        opponent.hover(300);
        opponent.prompts->dialogScript = rollWith(QStringLiteral("theirs"));
        opponent.form->play().pmCOmbatClick();
        opponent.form->findChild<QLineEdit*>(QStringLiteral("bEdit1"))
            ->setText(QStringLiteral("Salerno"));
        QVERIFY(opponent.form->files().SaveMove(path, false));
    }
    MainFormHarness h;
    h.place(5, 700);
    h.rebuild();
    h.drag(700, 701);
    h.hover(800);
    h.prompts->dialogScript = rollWith(QStringLiteral("mine"));
    h.form->play().pmCOmbatClick();
    h.prompts->openFiles = {path};
    h.prompts->saveChangesAnswers = {QMessageBox::No};
    h.form->files().sbOpenClick();
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : opp"));
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{&h.counter(1), &h.counter(2)}));
    QCOMPARE(h.counter(5).currentHex().index(), 5);
    QVERIFY(!h.form->findChild<QToolButton*>(QStringLiteral("sbUndo"))->isEnabled());
    QCOMPARE(h.form->game().tags().ownTags().size(), std::size_t{0});
    QCOMPARE(h.form->game().tags().openedTags().size(), std::size_t{1});
    QCOMPARE(h.form->findChild<QLineEdit*>(QStringLiteral("bEdit1"))->text(),
             QStringLiteral("Salerno"));
    QVERIFY(!h.form->session().document().isModified());
}

void TestMainFormTurns::openRefusedChangesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.krv"));
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray::fromHex("c78aa900ea000000") + QByteArray(100, '\0'));
    bad.close();
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.drag(300, 301);
    const QImage before = h.form->game().mapPicture().image();
    h.prompts->openFiles = {path, dir.filePath(QStringLiteral("nothere.krv")), dir.path()};
    h.prompts->saveChangesAnswers = {QMessageBox::No, QMessageBox::No, QMessageBox::No};
    for (int i = 0; i < 3; ++i)
        h.form->files().sbOpenClick();
    QCOMPARE(h.prompts->warnings.size(), 3);
    for (const QString& warning : h.prompts->warnings)
        QVERIFY(warning.startsWith(QStringLiteral("Can not open file\n")));
    // The caption is unchanged and still marks the turn's unsaved move.
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva[*]"));
    QCOMPARE(h.form->game().mapPicture().image(), before);
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    QVERIFY(h.form->findChild<QToolButton*>(QStringLiteral("sbUndo"))->isEnabled());
}

// The notice of the player's own file does not stay over the opponent's answer.
void TestMainFormTurns::everyOpenReplacesTheNotice() {
    QTemporaryDir dir;
    const QString mine = dir.filePath(QStringLiteral("t1.krv"));
    const QString theirs = dir.filePath(QStringLiteral("t2.krv"));
    const QString history = dir.filePath(QStringLiteral("mine"));
    {
        MainFormHarness h(1, {}, {}, history);
        h.form->files().NewGame();
        h.place(1, 300);
        h.rebuild();
        QVERIFY(h.form->files().SaveMove(mine, true));
    }
    {
        MainFormHarness opponent(1, {}, {}, dir.filePath(QStringLiteral("theirs")));
        QVERIFY(opponent.form->files().OpenMove(mine));
        opponent.drag(300, 301);
        QVERIFY(opponent.form->files().SaveMove(theirs, true));
    }
    MainFormHarness h(1, {}, {}, history);
    QVERIFY(h.form->files().OpenMove(mine));
    QVERIFY(h.form->noticeBar().notice().contains(QStringLiteral("You saved this file yourself")));
    QVERIFY(h.form->files().OpenMove(theirs));
    QCOMPARE(h.form->noticeBar().notice(), QString());
}

// End of turn on the player's own file saved at its end asks first; an unfinished one does
// not.
void TestMainFormTurns::ownEndedTurnAsksBeforeEndingAgain() {
    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    MainFormHarness h(1, {}, {}, file("history"));
    const QToolButton& turn = h.form->turn().turnButton();
    ScriptedPrompts& prompts = *h.prompts;
    h.form->files().NewGame();
    h.place(1, 300);
    h.rebuild();
    h.drag(300, 301);
    QVERIFY(h.form->files().SaveMove(file("unfinished.krv"), false));
    QVERIFY(h.form->files().OpenMove(file("unfinished.krv")));
    prompts.endOfTurnAnswers = {QMessageBox::Yes};
    prompts.saveFiles = {file("ended.krv")};
    h.form->files().sbSaveClick();
    QCOMPARE(prompts.endOwnTurnAgainAsked, 0);
    QCOMPARE(turn.text(), QStringLiteral("Turn 1 · Axis to move"));

    QVERIFY(h.form->files().OpenMove(file("ended.krv")));
    const struct {
        QMessageBox::StandardButton answer;
        const char* saved;
        QString turn;
    } steps[] = {{QMessageBox::Cancel, nullptr, QStringLiteral("Turn 1 · Axis to move")},
                 {QMessageBox::No, "kept.krv", QStringLiteral("Turn 1 · Axis to move")},
                 {QMessageBox::Yes, "again.krv", QStringLiteral("Turn 2 · Allies to move")}};
    for (const auto& step : steps) {
        const qsizetype asked = prompts.proposedNames.size();
        prompts.endOfTurnAnswers = {QMessageBox::Yes};
        prompts.endOwnTurnAgainAnswers = {step.answer};
        if (step.saved)
            prompts.saveFiles = {file(step.saved)};
        h.form->files().sbSaveClick();
        QCOMPARE(prompts.proposedNames.size(), asked + (step.saved ? 1 : 0));
        QCOMPARE(turn.text(), step.turn);
    }
    QCOMPARE(prompts.endOwnTurnAgainAsked, 3);
    const OpenedMoveFile kept = parseOpenedMoveFile(readMoveFileBytes(file("kept.krv")));
    QVERIFY(kept.extension.turn && kept.extension.turn->toMove == Side::Second);
}

// A picture that cannot be drawn while the opened position is drawn: nothing of the game
// changes, neither what the player sees nor what a save or an undo would do.
void TestMainFormTurns::openFailingHalfWayChangesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("opp.krv"));
    {
        MainFormHarness opponent;
        opponent.place(1, 1500, 200);
        opponent.counter(1).cycleLosses();
        opponent.hover(1500);
        opponent.prompts->dialogScript = rollWith(QStringLiteral("theirs"));
        opponent.form->play().pmCOmbatClick();
        QVERIFY(opponent.form->files().SaveMove(path, false));
    }
    FakePictureModule* counters = nullptr;
    MainFormHarness h(1, {}, [&counters](const QString& name) -> std::unique_ptr<PictureModule> {
        auto module = std::make_unique<FakePictureModule>(name);
        if (name == QLatin1String("korva_2.dll"))
            counters = module.get();
        return module;
    });
    h.place(1, 300);
    h.place(2, 300);
    h.rebuild();
    mutableGame(h.form->session()).rotateStack(300); // counter 1 on top
    h.drag(300, 301);
    h.hover(800);
    h.prompts->dialogScript = rollWith(QStringLiteral("mine"));
    h.form->play().pmCOmbatClick();
    auto* banner = h.form->findChild<QLineEdit*>(QStringLiteral("bEdit1"));
    QTest::keyClicks(banner, QStringLiteral("Anzio"));
    const QString typed = banner->text();
    const QImage picture = h.form->game().mapPicture().image();

    counters->missing.insert(h.counter(1).pictureId() + 1); // its loss picture
    QVERIFY(!h.form->files().OpenMove(path));
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY(h.prompts->warnings[0].startsWith(QStringLiteral("Can not open file\n")));
    QCOMPARE(h.form->game().mapPicture().image(), picture);
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{&h.counter(2)}));
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    QCOMPARE(h.form->game().tags().ownTags().size(), std::size_t{1});
    QCOMPARE(h.form->game().tags().openedTags().size(), std::size_t{0});
    QCOMPARE(banner->text(), typed);
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva[*]"));
    QVERIFY(h.form->session().document().isModified());
    // The turn's edits are as they were: the move, the roll no undo crosses, the banner.
    QCOMPARE(h.form->session().document().edits().stack().count(), 3);
    h.form->play().sbUndoClick();
    QCOMPARE(banner->text(), typed.chopped(5));
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    QVERIFY(h.form->noticeBar().notice().startsWith(QStringLiteral("A die roll cannot")));
}

// A damaged picture in the player's own folder: the next source draws it, the player is
// told once, and Open goes through.
void TestMainFormTurns::damagedPictureFallsBackWithOneWarning() {
    QTemporaryDir dir;
    const QString turn = dir.filePath(QStringLiteral("turn.krv"));
    {
        MainFormHarness opponent;
        opponent.place(1, 300);
        opponent.place(2, 301);
        QVERIFY(opponent.form->files().SaveMove(turn, false));
    }
    const int first = MainFormHarness().counter(1).pictureId();
    const int second = MainFormHarness().counter(2).pictureId();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("korva_2")));
    for (const int id : {first, second}) {
        QFile damaged(dir.filePath(QStringLiteral("korva_2/%1.png").arg(id)));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x89PNG\r\n\x1a\n and then nothing that decodes");
    }
    MainFormHarness h(1, {}, [&dir](const QString& name) -> std::unique_ptr<PictureModule> {
        std::vector<std::unique_ptr<PictureModule>> layers;
        layers.push_back(
            std::make_unique<FolderPictureModule>(dir.filePath(QStringLiteral("korva_2")), name));
        layers.push_back(std::make_unique<FakePictureModule>(name));
        return std::make_unique<LayeredPictureModule>(name, std::move(layers));
    });
    QVERIFY(h.form->files().OpenMove(turn));
    QTRY_COMPARE(h.prompts->warnings.size(), 1);
    const QString& warning = h.prompts->warnings[0];
    QVERIFY2(warning.contains(QStringLiteral("%1.png").arg(first)) &&
                 warning.contains(QStringLiteral("%1.png").arg(second)),
             qPrintable(warning));
    const AFPoint at = ZeKClick(300).position();
    QCOMPARE(h.form->game().mapPicture().image().pixel(at.x + 2, at.y + 2),
             FakePictureModule::colourOf(first));
    // Told once: the damaged files are not tried again.
    QVERIFY(h.form->files().OpenMove(turn));
    QCoreApplication::processEvents();
    QCOMPARE(h.prompts->warnings.size(), 1);
}

void TestMainFormTurns::saveOpenSaveIsByteIdentical() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.krv"));
    const QString second = dir.filePath(QStringLiteral("b.krv"));
    {
        MainFormHarness h;
        h.place(1, 300, 200);
        h.place(180, 1900, 150);
        h.counter(3).cycleLosses();
        h.counter(4).cycleMarker();
        QVERIFY(h.form->files().SaveMove(first, false));
    }
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(first));
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {second};
    h.form->files().sbSaveClick();
    // The same sections and block; only the dice record now names the file opened.
    OpenedMoveFile before = parseOpenedMoveFile(readAll(first));
    OpenedMoveFile after = parseOpenedMoveFile(readAll(second));
    QCOMPARE(after.contents, before.contents);
    QCOMPARE(after.bytes.left(after.bytes.indexOf("KORVAEXT")),
             before.bytes.left(before.bytes.indexOf("KORVAEXT")));
    QVERIFY(after.extension.diceRolls->openedHash != before.extension.diceRolls->openedHash);
    after.extension.diceRolls.reset();
    before.extension.diceRolls.reset();
    QCOMPARE(after.extension, before.extension);
}

// An Open redraws every hex; the window asks for one repaint, and shows the new position.
void TestMainFormTurns::openRepaintsTheShownMapOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.krv"));
    {
        MainFormHarness h;
        for (int row = 1; row <= 120; ++row)
            h.place(row, (row * 7) % 1700);
        QVERIFY(h.form->files().SaveMove(path, false));
    }
    MainFormHarness h;
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QCoreApplication::processEvents();
    const int before = h.map().updateRequests();
    QVERIFY(h.form->files().OpenMove(path));
    const QRect shown = h.map().visibleRegion().boundingRect();
    const QPoint at = h.map().mapTo(h.form.get(), shown.topLeft());
    const QImage expected = h.form->game().mapPicture().image().copy(shown);
    auto onScreen = [&] {
        return h.form->screen()
            ->grabWindow(h.form->winId(), at.x(), at.y(), shown.width(), shown.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_VERIFY(onScreen() == expected);
    QCOMPARE(h.map().updateRequests() - before, 1);
}

// A double-click on a busy file: the window shows and opens the file at once. The counters,
// tags and overlays drawn before the first paint need no repaints of their own, and the
// settings are written after it.
void TestMainFormTurns::openAtStartPaintsFirst() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.krv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(busymovefile::busy());
    file.close();
    MainFormHarness h;
    int atFirstPaint = -1;
    auto recent = [&] {
        return QSettings(h.settingsFile, QSettings::IniFormat)
            .value(QStringLiteral("files/recent"))
            .toStringList();
    };
    QStringList recentAtFirstPaint;
    PaintWatch watch(h.map(), [&] {
        if (atFirstPaint >= 0)
            return;
        atFirstPaint = h.map().updateRequests();
        recentAtFirstPaint = recent();
    });
    h.form->show();
    QVERIFY(h.form->files().OpenMove(path));
    QTRY_VERIFY(atFirstPaint >= 0);
    QCOMPARE(atFirstPaint, 1); // the whole view, once
    QCOMPARE(recentAtFirstPaint, QStringList());
    QTRY_COMPARE(recent(), QStringList{path});
}

void TestMainFormTurns::combatsAreNotWrittenBack() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.krv"));
    const QString second = dir.filePath(QStringLiteral("b.krv"));
    {
        MainFormHarness h;
        h.place(1, 300, 200);
        h.hover(300);
        h.prompts->dialogScript = rollWith(QStringLiteral("Cassino"));
        h.form->play().pmCOmbatClick();
        QVERIFY(h.form->files().SaveMove(first, false));
    }
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(first));
    QVERIFY(h.form->files().SaveMove(second, false));
    // The three sections; Korva's blocks differ in their dice records (a lists its roll).
    QByteArray a = readAll(first);
    QByteArray b = readAll(second);
    a.truncate(a.indexOf("KORVAEXT"));
    b.truncate(b.indexOf("KORVAEXT"));
    // The counters section and the banners are the same; the opponent's combat is not
    // written back, so b's tags section holds only the mark and a count of 0.
    QCOMPARE(b.left(2816), a.left(2816));
    QCOMPARE(b.mid(2816, 8), QByteArray::fromHex("7cf4b80000000000"));
    const qsizetype banners = 2816 + 8 + 4 + 4 + 4 + 4 + 4 + 7 + 1;
    QCOMPARE(a.size(), banners + (b.size() - 2824));
    QCOMPARE(b.mid(2824), a.mid(banners));
}

void TestMainFormTurns::closeAsksWhenUnsaved() {
    {
        MainFormHarness h;
        QVERIFY(h.form->close()); // nothing changed: no question
    }
    MainFormHarness changed; // one game at a time
    changed.place(1, 300);
    changed.rebuild();
    changed.drag(300, 301);
    changed.prompts->saveChangesAnswers = {QMessageBox::Cancel};
    QVERIFY(!changed.form->close());
    changed.prompts->saveChangesAnswers = {QMessageBox::Yes};
    changed.prompts->endOfTurnAnswers = {QMessageBox::Cancel};
    QVERIFY(!changed.form->close()); // the save was cancelled: stay
    changed.prompts->saveChangesAnswers = {QMessageBox::No};
    QVERIFY(changed.form->close());
}

void TestMainFormTurns::openAsksWhenUnsaved() {
    QTemporaryDir dir;
    const QString turn = dir.filePath(QStringLiteral("turn.krv"));
    MainFormHarness h;
    h.form->files().sbOpenClick(); // nothing changed: no question, and the dialog is cancelled
    QCOMPARE(h.prompts->saveChangesAsked, 0);
    QVERIFY(h.form->files().SaveMove(turn, false));
    h.place(1, 300);
    h.rebuild();
    h.drag(300, 301);
    // Cancel keeps the turn and never reaches the file dialog.
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel};
    h.prompts->openFiles = {turn};
    h.form->files().sbOpenClick();
    QCOMPARE(h.prompts->openFiles.size(), std::size_t{1});
    QVERIFY(h.form->session().document().isModified());
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    // No discards the moves and opens the file.
    h.prompts->saveChangesAnswers = {QMessageBox::No};
    h.form->files().sbOpenClick();
    QVERIFY(h.prompts->openFiles.empty());
    QVERIFY(!h.form->session().document().isModified());
    QCOMPARE(h.prompts->saveChangesAsked, 2);
}

void TestMainFormTurns::aboutAppendsTrace() {
    QTemporaryDir dir;
    setTracePath(dir.filePath(QStringLiteral("trace.txt")));
    MainFormHarness h;
    int aboutShown = 0;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        aboutShown += dialog.windowTitle() == QStringLiteral("About");
        return int(QDialog::Rejected);
    };
    h.form->commands().action(Command::About)->trigger();
    const QByteArray once = readAll(dir.filePath(QStringLiteral("trace.txt")));
    QVERIFY(once.startsWith("\r\n********--------------************\r\n"));
    QCOMPARE(once.count("\r\n"), 20);
    h.form->commands().action(Command::About)->trigger();
    QCOMPARE(readAll(dir.filePath(QStringLiteral("trace.txt"))).count("\r\n"), 40);
    QCOMPARE(aboutShown, 2);
    // A named pipe in its place: one warning, no trace, and no wait for a reader.
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    setTracePath(pipe);
    h.form->commands().action(Command::About)->trigger();
    setTracePath(QStringLiteral("trace.txt"));
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY2(h.prompts->warnings[0].contains(QStringLiteral("not a regular file")),
             qPrintable(h.prompts->warnings[0]));
}

QTEST_MAIN(TestMainFormTurns)
#include "tst_mainform_turns.moc"
