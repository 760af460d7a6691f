#include "app/export/animation.h"
#include "app/export/animationdialog.h"
#include "app/export/exportfeature.h"
#include "app/export/outputpathfield.h"
#include "app/export/picturedialog.h"
#include "app/map/mapscene.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/shell/commandtable.h"
#include "app/turn/goturndialog.h"
#include "app/turn/movelayer.h"
#include "app/turn/turnlistdock.h"
#include "movefile/korvaextension.h"
#include "movefile/movefile.h"
#include "tests/app/export/webpframes.h"
#include "tests/app/mainformharness.h"
#include "tests/common/smalltmpfs.h"

#include <QComboBox>
#include <QProcess>
#include <QProgressDialog>
#include <QScrollArea>

// The exports through the real window: the picture is what korva --render draws, a stopped or
// failed export leaves nothing, the page and the animation show what the window keeps, and
// Go to turn shows a kept position.
class TestMainFormExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pictureIsWhatRenderDraws();
    void partInViewIsThatPartOfTheMap();
    void aStoppedOrFailedPictureLeavesNothing();
    void pictureDialogShowsWhatItWrites();
    void pageOfTheTurnShown();
    void animationOfTheKeptGame();
    void animationFollowsTheGameNotTheOpens();
    void aRefusedTargetIsToldBeforeAnyProgress_data();
    void aRefusedTargetIsToldBeforeAnyProgress();
    void goToTurnShowsWhereATurnBegan();

private:
    // Stops at the `stopAt`-th step; counts the steps.
    struct StoppingProgress final : ExportProgress {
        int stopAt = -1;
        int steps = 0;
        bool advance(qint64, qint64) override { return steps++ != stopAt; }
    };
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static int worstDifference(const QImage& a, const QImage& b) {
        int worst = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                worst = std::max({worst, std::abs(qRed(p[x]) - qRed(q[x])),
                                  std::abs(qGreen(p[x]) - qGreen(q[x])),
                                  std::abs(qBlue(p[x]) - qBlue(q[x]))});
        }
        return worst;
    }
    QString render(const QStringList& more) const {
        const QString out = dir_.filePath(QStringLiteral("render.png"));
        QProcess korva;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("none")));
        korva.setProcessEnvironment(environment);
        korva.start(QStringLiteral(KORVA_PROGRAM),
                    QStringList{QStringLiteral("--render"), turn_, out, QStringLiteral("--moves")} +
                        more);
        korva.waitForFinished(120000);
        return korva.exitCode() == 0 ? out : QString();
    }
    // Three turns saved with an end of turn, each moving one more counter onto the board.
    static void playThreeTurns(MainFormHarness& h, const QString& folder) {
        h.form->files().NewGame();
        for (int t = 0; t < 3; ++t) {
            h.drag(h.counter(t + 1).currentHex().index(), 300 + 100 * t);
            QVERIFY(h.form->files().SaveMove(folder + QStringLiteral("/t%1.krv").arg(t), true));
        }
        h.form->session().waitForHistory();
    }

    QTemporaryDir dir_;
    QString turn_;
};

void TestMainFormExport::initTestCase() {
    QVERIFY(dir_.isValid());
    // Counter 1 moved from hex 200 to 300 with a combat there, the turn's start in the block.
    MoveFileContents contents;
    CounterMgr counters;
    for (const auto& counter : counters.counters())
        contents.counters.push_back(counter->record());
    KorvaExtension block;
    block.turnStart = presentPlaces(contents.counters);
    block.turnStart->at(0).hex = 200;
    contents.counters[0] = CounterRecord{200, 300, 0, 0};
    contents.tags.push_back(TagRecord{ZeKClick(300).position(), 4, "<b>Over</b> the river"});
    block.note = QStringLiteral("Your move & mine");
    block.turn = TurnRecord{3, Side::Second, Side::First};
    turn_ = dir_.filePath(QStringLiteral("turn3.krv"));
    QFile file(turn_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeMoveFile(contents) + encodeKorvaExtension(block));
}

void TestMainFormExport::pictureIsWhatRenderDraws() {
    // The program's own pictures, as korva --render draws with them.
    MainFormHarness h(1, {}, [](const QString& name) { return loadPictureModule(name, {}, {}); });
    QVERIFY(h.form->files().OpenMove(turn_));
    QVERIFY(!h.form->turn().moveLayer().moves().isEmpty());
    NoProgress progress;
    const QString exported = dir_.filePath(QStringLiteral("exported.png"));
    QVERIFY(h.form->exports().exportPicture({true, 1.0, true}, exported, progress).written);
    const QString rendered = render({});
    QVERIFY(!rendered.isEmpty());
    QCOMPARE(QImage(exported), QImage(rendered));

    QVERIFY(h.form->exports().exportPicture({true, 2.0, true}, exported, progress).written);
    const QImage large(exported);
    const QImage renderedLarge(render({QStringLiteral("--zoom"), QStringLiteral("200")}));
    QCOMPARE(large.size(), renderedLarge.size());
    QVERIFY(worstDifference(large, renderedLarge) <= 3);
}

void TestMainFormExport::partInViewIsThatPartOfTheMap() {
    MainFormHarness h;
    h.form->resize(900, 700);
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QVERIFY(h.form->files().OpenMove(turn_));
    h.map().centreOn(QPointF(700, 1300));
    const QRect inView = h.map().visibleMapRect().toAlignedRect();
    NoProgress progress;
    const QString part = dir_.filePath(QStringLiteral("part.png"));
    const QString whole = dir_.filePath(QStringLiteral("whole.png"));
    QVERIFY(h.form->exports().exportPicture({false, 0.5, true}, part, progress).written);
    QVERIFY(h.form->exports().exportPicture({true, 0.5, true}, whole, progress).written);
    const QRect device = MapScene::deviceRectOf(QRectF(inView), 0.5);
    const QImage partImage(part);
    QCOMPARE(partImage.size(), device.size());
    QVERIFY(worstDifference(partImage, QImage(whole).copy(device)) <= 3);
}

void TestMainFormExport::aStoppedOrFailedPictureLeavesNothing() {
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(turn_));
    // Stopped after the first band of a large picture: the file it would replace stays.
    const QString path = dir_.filePath(QStringLiteral("kept.png"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    StoppingProgress stopping;
    stopping.stopAt = 1;
    const ExportOutcome stopped =
        h.form->exports().exportPicture({true, 4.0, true}, path, stopping);
    QVERIFY(stopped.cancelled && !stopped.written);
    QCOMPARE(stopping.steps, 2);
    QCOMPARE(readAll(path), QByteArray("old"));
    QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral(".korva-*")}, QDir::Hidden | QDir::Files),
             QStringList());

    // A full disk, through the command as a player gives it: a warning with the reason.
    SmallTmpfs disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    QVERIFY(disk.fillLeaving(1024));
    const QString full = disk.filePath(QStringLiteral("map.png"));
    h.prompts->dialogScript = [&](QDialog& dialog) {
        auto& picture = dynamic_cast<PictureDialog&>(dialog);
        picture.pathField().setPath(full);
        return int(QDialog::Accepted);
    };
    h.form->commands().action(Command::ExportPicture)->trigger();
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY(h.prompts->warnings[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("filler")});
}

void TestMainFormExport::pictureDialogShowsWhatItWrites() {
    // A view wider than the map at 100%: the part in view ends where the map does.
    MainFormHarness h;
    h.form->resize(1900, 700);
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QVERIFY(h.form->files().OpenMove(turn_));
    QTemporaryDir folder;
    const QString taken = folder.filePath(QStringLiteral("taken.png"));
    QFile old(taken);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QString proposed;
    QString shownSize;
    QString path;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        auto& picture = dynamic_cast<PictureDialog&>(dialog);
        proposed = picture.path();
        picture.setChoice({false, 1.0, false});
        shownSize = picture.findChild<QLabel*>(QStringLiteral("bExportSize"))->text();
        picture.pathField().setPath(path);
        return int(QDialog::Accepted);
    };
    path = folder.filePath(QStringLiteral("part.png"));
    h.form->commands().action(Command::ExportPicture)->trigger();
    const QImage written(path);
    QVERIFY(!written.isNull());
    QCOMPARE(shownSize,
             QStringLiteral("%1 × %2 pixels").arg(written.width()).arg(written.height()));
    QCOMPARE(written.width(), h.form->game().mapPicture().width());

    // An existing file is replaced only when the player agrees.
    path = taken;
    h.form->commands().action(Command::ExportPicture)->trigger();
    QCOMPARE(h.prompts->replaceAsked, QStringList{QStringLiteral("taken.png")});
    QCOMPARE(readAll(taken), QByteArray("old"));
    h.prompts->replaceAnswers = {true};
    h.form->commands().action(Command::ExportPicture)->trigger();
    QVERIFY(!QImage(taken).isNull());
    // Now that a picture of the game's own name exists, the next one is proposed beside it.
    const QString first = proposed;
    QVERIFY(QFile::copy(taken, first));
    h.form->commands().action(Command::ExportPicture)->trigger();
    QVERIFY2(proposed != first && proposed.endsWith(QStringLiteral(" (2).png")),
             qPrintable(proposed));
    QFile::remove(first);
}

void TestMainFormExport::pageOfTheTurnShown() {
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(turn_));
    const QString path = dir_.filePath(QStringLiteral("turn3.html"));
    QVERIFY(h.form->exports().exportTurnPage(path).written);
    const QString page = QString::fromUtf8(readAll(path));
    const TurnListModel& list = h.form->turn().turnListDock().model();
    QVERIFY(page.contains(QStringLiteral(">%1</td>").arg(list.data(list.index(0, 0)).toString())));
    for (const QString& said :
         {QStringLiteral("<q class=\"file\">&lt;b&gt;Over&lt;/b&gt; the river</q>"),
          QStringLiteral("<div class=\"note\">Your move &amp; mine</div>"),
          QStringLiteral("<q class=\"file\">turn3.krv</q>"),
          QStringLiteral("<img src=\"data:image/png;base64,")})
        QVERIFY2(page.contains(said), qPrintable(said));
}

void TestMainFormExport::animationOfTheKeptGame() {
    QTemporaryDir folder;
    MainFormHarness h(1, {}, {}, folder.filePath(QStringLiteral("history")));
    playThreeTurns(h, folder.path());
    h.drag(h.counter(200).currentHex().index(), 700); // unsaved, and must stay so
    const QImage before = h.form->game().mapPicture().image().copy();
    const QString webp = folder.filePath(QStringLiteral("game.webp"));
    NoProgress progress;
    QVERIFY(h.form->exports().exportAnimation({0.25, 500, false}, webp, progress).written);
    const WebPFrames frames(readAll(webp));
    QCOMPARE(frames.frames.size(), std::size_t(3));
    QCOMPARE(frames.canvas, animation::frameSize(h.form->game(), 0.25));
    QCOMPARE(frames.endsMs.back(), 1500);
    QVERIFY(!h.form->session().showsPast());
    QVERIFY(!h.stack(700).empty());
    QCOMPARE(h.form->game().mapPicture().image(), before);

    // From a kept position shown, stopped half-way: that position shows again, nothing written.
    h.form->turn().stepHistory(PastBrowser::HistoryStep::First);
    const QImage first = h.form->game().mapPicture().image().copy();
    StoppingProgress stopping;
    stopping.stopAt = 2;
    const QString folderOut = folder.filePath(QStringLiteral("frames"));
    QVERIFY(h.form->exports().exportAnimation({0.25, 500, true}, folderOut, stopping).cancelled);
    QVERIFY(!QFile::exists(folderOut));
    QVERIFY(h.form->session().showsPast());
    QCOMPARE(h.form->session().past().shownIndex(), std::size_t(0));
    QCOMPARE(h.form->game().mapPicture().image(), first);
    QVERIFY(h.form->exports().exportAnimation({0.25, 500, true}, folderOut, progress).written);
    QCOMPARE(QDir(folderOut).entryList(QDir::Files).size(), 3);
}

void TestMainFormExport::animationFollowsTheGameNotTheOpens() {
    QTemporaryDir folder;
    MainFormHarness h(1, {}, {}, folder.filePath(QStringLiteral("history")));
    playThreeTurns(h, folder.path());
    NoProgress progress;
    const QString webp = folder.filePath(QStringLiteral("game.webp"));
    QVERIFY(h.form->exports().exportAnimation({0.25, 500, false}, webp, progress).written);
    const WebPFrames played(readAll(webp));
    QCOMPARE(played.frames.size(), std::size_t(3));
    // Earlier turns opened again are kept again, yet each position shows once, in its place.
    QVERIFY(h.form->files().OpenMove(folder.filePath(QStringLiteral("t1.krv"))));
    QVERIFY(h.form->files().OpenMove(folder.filePath(QStringLiteral("t0.krv"))));
    h.form->session().waitForHistory();
    QCOMPARE(h.form->session().past().keptEntries().size(), std::size_t(5));
    QVERIFY(h.form->exports().exportAnimation({0.25, 500, false}, webp, progress).written);
    QVERIFY(WebPFrames(readAll(webp)).frames == played.frames);
}

void TestMainFormExport::aRefusedTargetIsToldBeforeAnyProgress_data() {
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QString>("why");
    QTest::newRow("frames into a folder not empty") << true << "the folder is not empty";
    QTest::newRow("a picture over a folder") << false << "is a folder";
}

void TestMainFormExport::aRefusedTargetIsToldBeforeAnyProgress() {
    QFETCH(bool, animation);
    QFETCH(QString, why);
    QTemporaryDir folder;
    MainFormHarness h(1, {}, {}, folder.filePath(QStringLiteral("history")));
    playThreeTurns(h, folder.path());
    // A progress bar made at all would sit over the warning until cancelled: once the
    // dialog is answered, no window may come.
    struct WindowWatch : QObject {
        bool armed = false;
        bool made = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (armed && event->type() == QEvent::ChildAdded &&
                static_cast<QChildEvent*>(event)->child()->isWidgetType())
                made = true;
            return false;
        }
    } watch;
    h.form->installEventFilter(&watch);
    const QString notEmpty = folder.path(); // holds the turns
    h.prompts->dialogScript = [&](QDialog& dialog) {
        if (auto* frames = dynamic_cast<AnimationDialog*>(&dialog)) {
            AnimationDialog::Choice choice = frames->choice();
            choice.pngFolder = true;
            frames->setChoice(choice);
            frames->pathField().setPath(notEmpty);
        } else {
            dynamic_cast<PictureDialog&>(dialog).pathField().setPath(notEmpty);
        }
        watch.armed = true;
        return int(QDialog::Accepted);
    };
    h.form->commands()
        .action(animation ? Command::ExportAnimation : Command::ExportPicture)
        ->trigger();
    QCOMPARE(h.prompts->warnings.size(), 1);
    QVERIFY2(h.prompts->warnings[0].contains(why), qPrintable(h.prompts->warnings[0]));
    QVERIFY(!watch.made);
}

void TestMainFormExport::goToTurnShowsWhereATurnBegan() {
    QTemporaryDir folder;
    MainFormHarness h(1, {}, {}, folder.filePath(QStringLiteral("history")));
    playThreeTurns(h, folder.path());
    QStringList offered;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        QComboBox& turns = dynamic_cast<GoToTurnDialog&>(dialog).turns();
        for (int i = 0; i < turns.count(); ++i)
            offered << turns.itemText(i);
        turns.setCurrentIndex(1);
        return int(QDialog::Accepted);
    };
    h.form->commands().action(Command::GoToTurn)->trigger();
    QCOMPARE(offered, (QStringList{QStringLiteral("Turn 1 · Axis to move"),
                                   QStringLiteral("Turn 2 · Allies to move"),
                                   QStringLiteral("Turn 2 · Axis to move")}));
    // The second save's position, read-only: the first two counters moved, the third not yet.
    QVERIFY(h.form->session().showsPast());
    QCOMPARE(h.form->session().past().shownIndex(), std::size_t(1));
    QVERIFY(!h.stack(400).empty());
    QVERIFY(h.stack(500).empty());
    h.drag(400, 800);
    QVERIFY(h.stack(800).empty());
}

QTEST_MAIN(TestMainFormExport)
#include "tst_mainform_export.moc"
