#include "app/find/stackviewer.h"
#include "app/shell/noticebar.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/turnlistdock.h"
#include "game/gamefile.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

// What an opponent's file carries, and its name, shows letter for letter wherever it shows;
// no key meant for the map edits the banners; the stack viewer shows one stack at a time.
class TestHostileFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { QApplication::setActiveWindow(nullptr); }
    void fileTextShowsLiterallyEverywhere();
    void warningBoxesShowPlainText();
    void stackViewerShowsOnlyTheStackUnderThePointer();
    void keysMeantForTheMapNeverEditTheBanners();

private:
    // Every label, tool tip and list tip holding `text` is counted in `found`; answers those
    // that would read it as markup (and so load a picture from the disk).
    static QStringList markupSurfaces(const QString& text, int* found);
    static void showActive(MainFormHarness& h);

    QTemporaryDir dir_;
    QString probe_;   // a magenta picture that rich text would load from the disk
    QString comment_; // an opponent's combat comment, banner and note
    QString hostileFile_;
    QString hostileTitle_;
};

void TestHostileFile::initTestCase() {
    probe_ = dir_.filePath(QStringLiteral("probe.png"));
    QImage magenta(40, 40, QImage::Format_RGB32);
    magenta.fill(Qt::magenta);
    QVERIFY(magenta.save(probe_));
    comment_ = QStringLiteral("<img src=\"%1\"><b>Held</b>").arg(probe_);

    MainFormHarness maker;
    maker.form->files().NewGame();
    MoveFileContents contents = parseMoveFile(gamefile::moveFile(maker.form->game(), false));
    contents.counters[0] = {900, 1100, 0, 0};
    contents.tags = {{ZeKClick(1100).position(), 5, comment_.toStdString()}};
    contents.banners = {"<b>one</b>", "two", comment_.toStdString()}; // 110 fit the third
    KorvaExtension block;
    block.note = comment_;
    block.turn = TurnRecord{2, Side::Second, Side::First};
    block.players = {QStringLiteral("<b>Al</b>"), QStringLiteral("<i>Bob</i><img src=x>")};
    // A name cannot hold a slash; the entity stands in for it.
    hostileTitle_ = QStringLiteral("<img src=%1>[*]&x")
                        .arg(QString(probe_).replace(QLatin1Char('/'), QStringLiteral("&#47;")));
    hostileFile_ = dir_.filePath(hostileTitle_ + QStringLiteral(".krv"));
    QFile file(hostileFile_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeMoveFile(contents) + encodeKorvaExtension(block));
}

void TestHostileFile::showActive(MainFormHarness& h) {
    h.form->resize(900, 600);
    h.form->show();
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
}

namespace {

// A tool tip as QToolTip reads it: its text when shown, and whether it draws a picture.
bool tipShowsLiterally(const QString& tip, const QString& text, bool* holdsText) {
    QTextDocument document;
    if (Qt::mightBeRichText(tip))
        document.setHtml(tip);
    else
        document.setPlainText(tip);
    *holdsText = document.toPlainText().contains(text);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                return false;
    return true;
}

bool showsProbe(QWidget& widget) {
    const QImage shot = widget.grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == QColor(Qt::magenta).rgb())
                return true;
    return false;
}

} // namespace

QStringList TestHostileFile::markupSurfaces(const QString& text, int* found) {
    QStringList faults;
    *found = 0;
    const auto checkTip = [&](const QString& tip, const QString& where) {
        bool holds = false;
        const bool literal = tipShowsLiterally(tip, text, &holds);
        if (holds || tip.contains(text)) {
            ++*found;
            if (!literal || !holds)
                faults << QStringLiteral("tool tip of ") + where;
        }
    };
    for (QWidget* widget : QApplication::allWidgets()) {
        const QString name = widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->text().contains(text)) {
            ++*found;
            if (label->textFormat() != Qt::PlainText || (label->isVisible() && showsProbe(*label)))
                faults << QStringLiteral("label ") + name;
        }
        checkTip(widget->toolTip(), name);
        for (QAction* action : widget->actions())
            checkTip(action->toolTip(), action->text());
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int row = 0; row < model.rowCount(); ++row)
                for (int column = 0; column < model.columnCount(); ++column) {
                    const QVariant tip = model.index(row, column).data(Qt::ToolTipRole);
                    if (tip.isValid())
                        checkTip(tip.toString(), name);
                }
        }
    }
    return faults;
}

void TestHostileFile::fileTextShowsLiterallyEverywhere() {
    const QString tag = QStringLiteral("<img src=");
    int found = 0;
    QTemporaryDir history;
    MainFormHarness h(1, {}, {}, history.path());
    showActive(h);
    // The caption, the banner boxes, the turn's list and the opponent's note.
    QVERIFY(h.form->files().OpenMove(hostileFile_));
    QCOMPARE(h.form->bannerTexts()[2], comment_.toStdString());
    h.form->turn().turnListDock().show();
    QCOMPARE(h.form->turn().turnListDock().note(), comment_);
    QCOMPARE(markupSurfaces(comment_, &found), QStringList());
    QVERIFY(found > 0); // the combat's row
    // The players' names: the turn's tool tip.
    QCOMPARE(markupSurfaces(QStringLiteral("<i>Bob</i>"), &found), QStringList());
    QVERIFY(found > 0);
    QCOMPARE(h.form->windowHandle()->title(), QStringLiteral("Korva : ") + hostileTitle_);

    // The replay's notice of the combat.
    h.form->findChild<QAction*>(QStringLiteral("actReplayTurn"))->trigger();
    while (h.form->turn().replay().isActive() && !h.form->noticeBar().notice().contains(comment_))
        h.form->turn().replay().step();
    QVERIFY(h.form->noticeBar().isVisible());
    QCOMPARE(markupSurfaces(comment_, &found), QStringList());
    QVERIFY(found > 1);
    h.form->findChild<QAction*>(QStringLiteral("actReplayTurn"))->trigger();

    // The stack viewer over the combat's hex.
    h.form->find().stackViewer().setDelay(0);
    h.form->find().stackViewer().pointerAt(1100, QPoint(10, 10));
    QTRY_COMPARE(h.form->find().stackViewer().shownHex(), 1100);
    QCOMPARE(markupSurfaces(comment_, &found), QStringList());
    QVERIFY(found > 1);
    h.form->find().stackViewer().dismiss();

    // The file's name: the history's step (notice, heading, caption), Compare with…, the
    // recent files.
    h.form->session().document().setNote(
        QStringLiteral("changed")); // the kept copy is no longer the present
    h.form->turn().stepHistory(PastBrowser::HistoryStep::Previous);
    QVERIFY(h.form->session().showsPast());
    QCOMPARE(markupSurfaces(tag, &found), QStringList());
    QVERIFY(found > 1);
    h.form->session().past().backToPresent();
    h.form->turn().compareWith(hostileFile_);
    QVERIFY(h.form->turn().turnListDock().heading().contains(hostileTitle_));
    emit h.form->files().recentMenu().aboutToShow();
    QCOMPARE(markupSurfaces(tag, &found), QStringList());
    QVERIFY(found > 1);
    QVERIFY(h.form->files().recentMenu().actions().constFirst()->text().contains(
        QStringLiteral("&&x")));

    h.form.reset(); // one game at a time

    // The notice of a copy the history could not keep.
    const QString notAFolder = dir_.filePath(QStringLiteral("history-is-a-file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    MainFormHarness noHistory(1, {}, {}, notAFolder);
    QVERIFY(noHistory.form->files().OpenMove(hostileFile_));
    noHistory.form->session().waitForHistory();
    QTRY_VERIFY(noHistory.form->noticeBar().notice().contains(hostileTitle_));
    QCOMPARE(markupSurfaces(tag, &found), QStringList());
    QVERIFY(found > 0);
}

void TestHostileFile::warningBoxesShowPlainText() {
    // The real box, answered as soon as it shows.
    QWidget parent;
    QtPrompts prompts(&parent);
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    prompts.showWarning(comment_);
    QCOMPARE(shown, comment_);
    QCOMPARE(format, Qt::PlainText);
}

void TestHostileFile::stackViewerShowsOnlyTheStackUnderThePointer() {
    MainFormHarness h;
    showActive(h);
    for (int row = 1; row <= 4; ++row)
        h.place(row, 900);
    h.place(5, 1300);
    h.rebuild();
    StackViewer& viewer = h.form->find().stackViewer();
    viewer.setDelay(0);
    const auto shownAt = [&](int hex) {
        viewer.pointerAt(hex, QPoint(10, 10));
        [&] { QTRY_COMPARE(viewer.shownHex(), hex); }();
        return viewer.grab().toImage();
    };
    const QImage alone = shownAt(1300);
    viewer.dismiss();
    shownAt(900);
    QCOMPARE(shownAt(1300), alone);
}

void TestHostileFile::keysMeantForTheMapNeverEditTheBanners() {
    MainFormHarness h;
    showActive(h);
    QVERIFY(h.form->files().OpenMove(hostileFile_));
    const std::array<std::string, 3> banners = h.form->bannerTexts();
    // The order of battle opened, typed in and closed from the keyboard, then a map key.
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    key(Qt::Key_B, Qt::ControlModifier);
    QTest::mouseClick(h.form->findChild<QLineEdit*>(QStringLiteral("bOrderOfBattleFilter")),
                      Qt::LeftButton);
    key(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), &h.map());
    key(Qt::Key_N);
    const QString saved = dir_.filePath(QStringLiteral("keys.krv"));
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {saved};
    h.form->files().sbSaveClick();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(parseMoveFile(file.readAll()).banners, banners);
    // A click gives a banner box the keyboard, and an Open leaves it to a player typing.
    auto* box = h.form->findChild<QLineEdit*>(QStringLiteral("bEdit2"));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(h.form->files().OpenMove(hostileFile_));
    QCOMPARE(QApplication::focusWidget(), box);
}

QTEST_MAIN(TestHostileFile)
#include "tst_hostilefile.moc"
