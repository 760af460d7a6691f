#include "app/files/recentfiles.h"
#include "app/shell/korvasettings.h"
#include "combat/taggermgr.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

// The main window on the desktop: remembered folders and window place, recent files,
// dropped files, the unsaved mark and sending a turn by e-mail.
class TestMainFormDesktop : public QObject {
    Q_OBJECT
private slots:
    void dialogsStartInLastFolder();
    void windowPlaceRemembered();
    void recentFilesNewestFirstAndPruned();
    void recentFilesOfTwoWindowsBothKept();
    void recentFileAsksBeforeOpening();
    void drops_data();
    void drops();
    void unsavedMarkInCaption();
    void sendByEmail();
    void sendByEmailFailures_data();
    void sendByEmailFailures();

private:
    // A move file in `folder`/`name` with counter 1 in hex 300, as the opponent sent it.
    static QString savedTurn(const QString& folder, const QString& name) {
        MoveFileContents turn;
        const CounterMgr counters;
        for (const auto& counter : counters.counters())
            turn.counters.push_back(counter->record());
        turn.counters[0] = CounterRecord{300, 300, 0, 0};
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(encodeMoveFile(turn)) < 0)
            return {};
        return path;
    }
    static QStringList recentEntries(TMainForm& form) {
        emit form.files().recentMenu().aboutToShow();
        QStringList texts;
        for (const QAction* action : form.files().recentMenu().actions())
            texts << action->text();
        return texts;
    }
    static void drop(QWidget* target, QMimeData* data) {
        const QPoint at(20, 10);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, {});
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, {});
        QCoreApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.dropAction() != Qt::MoveAction); // the source keeps its file
        QCoreApplication::processEvents();
    }
};

void TestMainFormDesktop::dialogsStartInLastFolder() {
    QTemporaryDir games;
    QVERIFY(QDir(games.path()).mkpath(QStringLiteral("a")));
    QVERIFY(QDir(games.path()).mkpath(QStringLiteral("b")));
    const QString theirs = savedTurn(games.filePath(QStringLiteral("b")), QStringLiteral("t.krv"));
    const QString settings = games.filePath(QStringLiteral("korva.conf"));
    {
        MainFormHarness h(1, settings);
        h.form->files().sbOpenClick(); // cancelled: nothing remembered yet
        h.prompts->endOfTurnAnswers = {QMessageBox::No};
        h.prompts->saveFiles = {games.filePath(QStringLiteral("a/mine.krv"))};
        h.form->files().sbSaveClick();
        h.prompts->openFiles = {theirs};
        h.form->files().sbOpenClick();
        h.form->files().sbOpenClick();
        QCOMPARE(h.prompts->dialogFolders,
                 QStringList({QString(), QString(), games.filePath(QStringLiteral("a")),
                              games.filePath(QStringLiteral("b"))}));
    }
    MainFormHarness next(1, settings);
    next.form->files().sbOpenClick();
    QCOMPARE(next.prompts->dialogFolders.constLast(), games.filePath(QStringLiteral("b")));
    QVERIFY(QDir(games.filePath(QStringLiteral("b"))).removeRecursively());
    next.form->files().sbOpenClick();
    QCOMPARE(next.prompts->dialogFolders.constLast(), QString()); // gone: the current folder
}

void TestMainFormDesktop::windowPlaceRemembered() {
    QTemporaryDir config;
    const QString settings = config.filePath(QStringLiteral("korva.conf"));
    const QRect place(40, 30, 700, 500);
    {
        MainFormHarness h(1, settings);
        QCOMPARE(h.form->size(), QSize(810, 574)); // the first run
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        h.form->setGeometry(place);
        h.form->korvaToolBar().hide();
        QVERIFY(h.form->close());
    }
    MainFormHarness next(1, settings);
    next.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(next.form.get()));
    QCOMPARE(next.form->geometry(), place);
    QVERIFY(next.form->korvaToolBar().isHidden());
}

void TestMainFormDesktop::recentFilesNewestFirstAndPruned() {
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("korva.conf"));
    const QString folder =
        QStringLiteral("  [") + QDir::toNativeSeparators(dir.path()) + QStringLiteral("]");
    QStringList expected;
    for (const int i : {9, 10, 7, 6, 5, 4, 3})
        expected << QStringLiteral("&%1 t%2.krv").arg(expected.size() + 1).arg(i) + folder;
    expected << QString() << QStringLiteral("Clear List");
    {
        MainFormHarness h(1, settings);
        QCOMPARE(recentEntries(*h.form), QStringList({QStringLiteral("No recent move files")}));
        QVERIFY(!h.form->files().recentMenu().actions().constFirst()->isEnabled());
        for (int i = 1; i <= 10; ++i)
            QVERIFY(
                h.form->files().OpenMove(savedTurn(dir.path(), QStringLiteral("t%1.krv").arg(i))));
        QVERIFY(
            h.form->files().OpenMove(dir.filePath(QStringLiteral("t9.krv")))); // again: first, once
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("t8.krv"))));
        QCOMPARE(recentEntries(*h.form), expected);
    }
    // The list outlives the window; Clear List empties it.
    MainFormHarness next(1, settings);
    QCOMPARE(recentEntries(*next.form), expected);
    next.form->files().recentMenu().actions().constLast()->trigger();
    QCOMPARE(recentEntries(*next.form), QStringList({QStringLiteral("No recent move files")}));
}

// Two Korvas on one home folder, each with its own settings on the same file.
void TestMainFormDesktop::recentFilesOfTwoWindowsBothKept() {
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("korva.conf"));
    KorvaSettings first(std::make_unique<QSettings>(conf, QSettings::IniFormat));
    KorvaSettings second(std::make_unique<QSettings>(conf, QSettings::IniFormat));
    RecentFiles one(first);
    RecentFiles two(second);
    const QString a = savedTurn(dir.path(), QStringLiteral("a.krv"));
    const QString b = savedTurn(dir.path(), QStringLiteral("b.krv"));
    one.add(a);
    two.add(b);
    QCOMPARE(one.existingFiles(), (QStringList{b, a}));
}

void TestMainFormDesktop::recentFileAsksBeforeOpening() {
    QTemporaryDir dir;
    const QString theirs = savedTurn(dir.path(), QStringLiteral("theirs.krv"));
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(theirs));
    h.place(5, 700);
    h.rebuild();
    h.drag(700, 701);
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel, QMessageBox::No};
    recentEntries(*h.form);
    QAction* entry = h.form->files().recentMenu().actions().constFirst();
    entry->trigger();
    QCOMPARE(h.prompts->saveChangesAsked, 1);
    QCOMPARE(h.counter(5).currentHex().index(), 701); // Cancel: the turn stays
    entry->trigger();
    QCOMPARE(h.prompts->saveChangesAsked, 2);
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(!h.form->session().document().isModified());
}

void TestMainFormDesktop::drops_data() {
    QTest::addColumn<QStringList>("files"); // names in the test folder; "http:" a web address
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("onBanner");
    QTest::addColumn<QString>("warning"); // empty: the file opens
    QTest::newRow("move file") << QStringList{QStringLiteral("t.krv")} << QString() << false
                               << QString();
    QTest::newRow("upper case") << QStringList{QStringLiteral("T.KRV")} << QString() << false
                                << QString();
    QTest::newRow("on a banner") << QStringList{QStringLiteral("t.krv")} << QString() << true
                                 << QString();
    QTest::newRow("report") << QStringList{QStringLiteral("t.txt")} << QString() << false
                            << QStringLiteral("t.txt is not a Korva move file (*.krv).");
    QTest::newRow("two files") << QStringList{QStringLiteral("t.krv"), QStringLiteral("T.KRV")}
                               << QString() << false
                               << QStringLiteral("Drop one move file at a time.");
    QTest::newRow("web") << QStringList{QStringLiteral("http:")} << QString() << true
                         << QStringLiteral("Korva opens move files on this computer only");
    QTest::newRow("text") << QStringList() << QStringLiteral("hello") << false
                          << QStringLiteral("Only a Korva move file (*.krv) can be dropped");
}

void TestMainFormDesktop::drops() {
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(bool, onBanner);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    savedTurn(dir.path(), QStringLiteral("t.krv"));
    QVERIFY(
        QFile::copy(dir.filePath(QStringLiteral("t.krv")), dir.filePath(QStringLiteral("T.KRV"))));
    MainFormHarness h;
    h.place(5, 700);
    h.rebuild();
    h.drag(700, 701);
    h.prompts->saveChangesAnswers = {QMessageBox::No};
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& name : files)
        urls << (name == QStringLiteral("http:") ? QUrl(QStringLiteral("https://example.org/t.krv"))
                                                 : QUrl::fromLocalFile(dir.filePath(name)));
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (!text.isEmpty())
        data->setText(text);
    QLineEdit* banner = h.form->findChild<QLineEdit*>(QStringLiteral("bEdit2"));
    drop(onBanner ? static_cast<QWidget*>(banner) : h.form.get(), data);
    QVERIFY2(!banner->text().contains(QStringLiteral("krv")), qPrintable(banner->text()));
    if (warning.isEmpty()) {
        QCOMPARE(h.prompts->saveChangesAsked, 1);
        QVERIFY(h.prompts->warnings.isEmpty());
        QCOMPARE(h.counter(1).currentHex().index(), 300);
    } else {
        QCOMPARE(h.prompts->saveChangesAsked, 0);
        QCOMPARE(h.prompts->warnings.size(), 1);
        QVERIFY2(h.prompts->warnings.front().startsWith(warning),
                 qPrintable(h.prompts->warnings.front()));
        QCOMPARE(h.counter(5).currentHex().index(), 701);
    }
    delete data;
}

void TestMainFormDesktop::unsavedMarkInCaption() {
    QTemporaryDir dir;
    MainFormHarness h;
    h.form->winId(); // the caption the window system shows
    const auto shown = [&h] { return h.form->windowHandle()->title(); };
    QCOMPARE(shown(), QStringLiteral("Korva"));
    QVERIFY(!h.form->isWindowModified());
    h.place(5, 700);
    h.rebuild();
    h.drag(700, 701);
    QVERIFY(h.form->isWindowModified());
    QCOMPARE(shown(), QStringLiteral("Korva*"));
    QVERIFY(h.form->files().SaveMove(dir.filePath(QStringLiteral("turn3.krv")), false));
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : turn3"));
    QCOMPARE(shown(), QStringLiteral("Korva : turn3"));
    h.form->play().sbUndoClick();
    QCOMPARE(shown(), QStringLiteral("Korva : turn3*"));
    QVERIFY(h.form->files().OpenMove(dir.filePath(QStringLiteral("turn3.krv"))));
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva : turn3"));
    QVERIFY(!h.form->isWindowModified());
}

void TestMainFormDesktop::sendByEmail() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("turn3.krv"));
    MainFormHarness h;
    auto* send = h.form->findChild<QAction*>(QStringLiteral("bSendMail"));
    QVERIFY(send);
    QVERIFY(h.form->korvaToolBar().actions().contains(send));
    QVERIFY(!send->isEnabled());
    h.place(1, 300);
    h.rebuild();
    mutableGame(h.form->session())
        .addCombat(TaggerInfo{ZeKClick(300).position(), 4, "Over the river"});
    h.form->session().document().setNote(QStringLiteral("Hold the bridge\nuntil turn 4"));
    QVERIFY(h.form->files().SaveMove(path, false));
    QVERIFY(send->isEnabled());
    send->trigger();
    QCOMPARE(h.launcher->started.size(), std::size_t{1});
    const auto& [program, arguments] = h.launcher->started.front();
    QCOMPARE(program, QStringLiteral("xdg-email"));
    const qsizetype body = arguments.indexOf(QStringLiteral("--body")) + 1;
    QVERIFY(body > 0);
    QVERIFY2(arguments[body].contains(QStringLiteral("Hex : E34, die 4: Over the river\n\n"
                                                     "Note:\nHold the bridge\nuntil turn 4\n")),
             qPrintable(arguments[body]));
    QStringList rest = arguments;
    rest.removeAt(body);
    QCOMPARE(rest, QStringList({QStringLiteral("--utf8"), QStringLiteral("--subject"),
                                QStringLiteral("Korva: turn3"), QStringLiteral("--body"),
                                QStringLiteral("--attach"), path, QStringLiteral("--attach"),
                                dir.filePath(QStringLiteral("turn3.txt"))}));
    QVERIFY(h.prompts->warnings.isEmpty());
    // An Open replaces the saved game: nothing to send until the next save.
    QVERIFY(h.form->files().OpenMove(path));
    QVERIFY(!send->isEnabled());
}

void TestMainFormDesktop::sendByEmailFailures_data() {
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << false << 0 << QStringLiteral("xdg-email was not found");
    QTest::newRow("no mail program")
        << true << 3 << QStringLiteral("failed (exit status 3: no e-mail program was found).");
    QTest::newRow("crashed") << true << -1 << QStringLiteral("failed (exit status -1).");
}

void TestMainFormDesktop::sendByEmailFailures() {
    QFETCH(bool, started);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    MainFormHarness h;
    QVERIFY(h.form->files().SaveMove(dir.filePath(QStringLiteral("t.krv")), false));
    h.launcher->outcome = {started, exitCode, {}};
    h.form->files().sendByEmail();
    QCOMPARE(h.prompts->warnings.size(), 1);
    const QString& message = h.prompts->warnings.front();
    QVERIFY2(message.contains(reason), qPrintable(message));
    // Where the two files are, to attach them by hand.
    QVERIFY(message.contains(QStringLiteral("t.krv and t.txt")));
    QVERIFY(message.endsWith(QDir::toNativeSeparators(dir.path())));
}

QTEST_MAIN(TestMainFormDesktop)
#include "tst_mainform_desktop.moc"
