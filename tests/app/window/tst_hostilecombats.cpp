#include "app/dialogs/tshowcombatdlg.h"
#include "app/find/stackviewer.h"
#include "app/shell/noticebar.h"
#include "app/shell/quotedtext.h"
#include "app/shell/trustlabel.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/turnlistdock.h"
#include "game/gamefile.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QWindow>

// An opponent's combats in any number and with any words: a hex of thousands of them stays a
// screenful, Show Combat can be left, and nothing a file says looks like Korva's own word on
// the dice.
class TestHostileCombats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stackViewerShowsAScreenful();
    void showCombatCanBeLeft_data();
    void showCombatCanBeLeft();
    void forgedWordsStayTheFiles_data();
    void forgedWordsStayTheFiles();

private:
    QString write(const QString& name, int combats, const std::string& comment,
                  const KorvaExtension& block = {});

    QTemporaryDir dir_;
    QString many_;
    QString few_;
    QString forged_;
};

namespace {

constexpr int kHex = 1100;
constexpr int kMany = 30000;
const std::string kForgedComment = "attack 2:1\nOpponent's roll: 6 (roll 2, verified)";
const QString kForgedRoll = QStringLiteral("(roll 2, verified)");
const QString kForgedNote = QStringLiteral("Their dice: all 4 rolls verified\r\nsee you");

void showActive(MainFormHarness& h) {
    h.form->resize(900, 600);
    h.form->show();
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
}

// Every surface of the window: what Korva draws as its word on the dice never vouches for
// this file, never holds the file's words, and the file's words show only as a quotation or
// on one line with their line breaks marked. Answers the widgets that break this.
QStringList forgeries() {
    QStringList faults;
    for (QWidget* widget : QApplication::allWidgets()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const QString text = label ? label->text() : QString();
        if (const auto* verdict = qobject_cast<TrustLabel*>(widget)) {
            if (verdict->trust() == Trust::Verified || text.contains(kForgedRoll) ||
                text.contains(QStringLiteral("attack")))
                faults << QStringLiteral("verdict: ") + text;
        } else if (text.contains(kForgedRoll) && !qobject_cast<const QuotedText*>(widget) &&
                   !text.contains(QStringLiteral("2:1\u21b5Opponent's"))) {
            faults << widget->objectName() + QStringLiteral(": ") + text;
        }
        if (widget->toolTip().contains(QChar(0x202E)))
            faults << widget->objectName() + QStringLiteral(" tool tip");
    }
    return faults;
}

} // namespace

QString TestHostileCombats::write(const QString& name, int combats, const std::string& comment,
                                  const KorvaExtension& block) {
    MainFormHarness maker;
    maker.form->files().NewGame();
    MoveFileContents contents = parseMoveFile(gamefile::moveFile(maker.form->game(), false));
    contents.counters[0] = {900, kHex, 0, 0};
    contents.tags.assign(std::size_t(combats), {ZeKClick(kHex).position(), 6, comment});
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(encodeMoveFile(contents) + encodeKorvaExtension(block));
    return path;
}

void TestHostileCombats::initTestCase() {
    many_ = write(QStringLiteral("many.krv"), kMany, "hold");
    few_ = write(QStringLiteral("few.krv"), 3, "hold");
    KorvaExtension block;
    block.note = kForgedNote;
    block.turn = TurnRecord{2, Side::Second, Side::First};
    forged_ = write(QStringLiteral("turn\u202Evrk.krv"), 1, kForgedComment, block);
    QVERIFY(!many_.isEmpty() && !few_.isEmpty() && !forged_.isEmpty());
}

void TestHostileCombats::stackViewerShowsAScreenful() {
    MainFormHarness h;
    showActive(h);
    QVERIFY(h.form->files().OpenMove(many_));
    const QStringList texts = h.stackViewerTexts(kHex);
    QCOMPARE(texts.filter(QStringLiteral("Opponent's roll: 6")).size(), 10);
    QVERIFY2(texts.contains(
                 QStringLiteral("and %1 more combats here").arg(QLocale().toString(kMany - 10))),
             qPrintable(texts.join(QLatin1Char('|'))));
    // Thousands of rows overflowed the stack where Qt paints them.
    StackViewer& viewer = h.form->find().stackViewer();
    QVERIFY(!viewer.grab().isNull());
    QVERIFY(viewer.findChildren<QWidget*>().size() < 50);
}

void TestHostileCombats::showCombatCanBeLeft_data() {
    QTest::addColumn<bool>("many");
    QTest::addColumn<QList<int>>("answers"); // the rest are OK
    QTest::addColumn<int>("shown");
    const int ok = QDialog::Accepted;
    const int esc = QDialog::Rejected;
    QTest::newRow("3 records: every one, however closed") << false << QList{esc, esc, esc} << 3;
    QTest::newRow("30,000: Esc at the first ends them") << true << QList{esc} << 1;
    QTest::newRow("30,000: OK twice, then Esc") << true << QList{ok, ok, esc} << 3;
}

void TestHostileCombats::showCombatCanBeLeft() {
    QFETCH(bool, many);
    QFETCH(QList<int>, answers);
    QFETCH(int, shown);
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(many ? many_ : few_));
    h.hover(kHex);
    QStringList places;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        places << static_cast<TShowCombatDlg&>(dialog).place();
        return answers.isEmpty() ? int(QDialog::Accepted) : answers.takeFirst();
    };
    h.form->play().pmShowCOmbatClick();
    QCOMPARE(places.size(), shown);
    // The way out is offered only where the list is long.
    QCOMPARE(places.front().contains(QStringLiteral("Esc ends the list")), many);
}

void TestHostileCombats::forgedWordsStayTheFiles_data() {
    QTest::addColumn<QString>("surface");
    for (const char* surface :
         {"stack viewer", "show combat", "turn list", "replay notice", "history heading"})
        QTest::newRow(surface) << QString::fromLatin1(surface);
}

void TestHostileCombats::forgedWordsStayTheFiles() {
    QFETCH(QString, surface);
    QTemporaryDir history;
    MainFormHarness h(1, {}, {}, history.path());
    showActive(h);
    QVERIFY(h.form->files().OpenMove(forged_));
    // The file's name reads as it is spelt, its override shown, not obeyed.
    QVERIFY(h.form->windowHandle()->title().contains(QStringLiteral("turn<U+202E>vrk")));
    if (surface == QLatin1String("stack viewer")) {
        const QStringList texts = h.stackViewerTexts(kHex);
        QVERIFY(texts.contains(QString::fromStdString(kForgedComment)));
        QCOMPARE(forgeries(), QStringList());
    } else if (surface == QLatin1String("show combat")) {
        h.hover(kHex);
        QStringList faults;
        h.prompts->dialogScript = [&faults](QDialog& dialog) {
            faults = forgeries();
            if (static_cast<TShowCombatDlg&>(dialog).placeTrust() == Trust::Verified)
                faults << QStringLiteral("the place line");
            return int(QDialog::Accepted);
        };
        h.form->play().pmShowCOmbatClick();
        QCOMPARE(h.prompts->dialogsRun, 1);
        QCOMPARE(faults, QStringList());
    } else if (surface == QLatin1String("turn list")) {
        TurnListDock& dock = h.form->turn().turnListDock();
        dock.show();
        QVERIFY(dock.diceTrust() != Trust::Verified);
        QCOMPARE(dock.note(), QStringLiteral("Their dice: all 4 rolls verified\nsee you"));
        const TurnListModel& list = dock.model();
        const QModelIndex comment = list.index(int(list.changeCount()), TurnListModel::Comment);
        QCOMPARE(comment.data().toString(),
                 QStringLiteral("attack 2:1\u21b5Opponent's roll: 6 (roll 2, verified)"));
        QVERIFY(comment.data(Qt::ToolTipRole).toString().contains(QStringLiteral("<br>")));
        const QModelIndex roll = comment.siblingAtColumn(TurnListModel::Unit);
        QVERIFY(roll.data(Qt::ForegroundRole).value<QColor>() !=
                TrustLabel::colour(Trust::Verified));
        QCOMPARE(forgeries(), QStringList());
    } else if (surface == QLatin1String("replay notice")) {
        h.form->findChild<QAction*>(QStringLiteral("actReplayTurn"))->trigger();
        ReplayController& replay = h.form->turn().replay();
        while (replay.isActive() && !h.form->noticeBar().notice().contains(kForgedRoll))
            replay.step();
        QVERIFY(h.form->noticeBar().notice().startsWith(QStringLiteral("Combat, die 6:\n")));
        QCOMPARE(forgeries(), QStringList());
    } else {
        h.form->session().document().setNote(
            QStringLiteral("changed")); // the kept copy is no longer the present
        h.form->turn().stepHistory(PastBrowser::HistoryStep::Previous);
        QVERIFY(h.form->session().showsPast());
        QVERIFY(h.form->turn().turnListDock().heading().contains(QStringLiteral("<U+202E>")));
        QCOMPARE(forgeries(), QStringList());
    }
}

QTEST_MAIN(TestHostileCombats)
#include "tst_hostilecombats.moc"
