#include "app/dialogs/tshowcombatdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

class TestShowCombatDialog : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void opensWithItsCaptions();
    void recordFillsTheCaptions_data();
    void recordFillsTheCaptions();
    void recordsShowOneAfterAnother();
    void realModalLoopEnds_data();
    void realModalLoopEnds();
};

namespace {

QLabel* label(TShowCombatDlg& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QLatin1String(name));
}
QPushButton* okButton(TShowCombatDlg& dialog) {
    return dialog.findChild<QPushButton*>(QStringLiteral("Button1"));
}

} // namespace

void TestShowCombatDialog::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // width -1: sized to its text

    QTest::newRow("zLabel1") << "zLabel1" << QRect(8, 8, -1, 18);
    QTest::newRow("bDieRoll") << "bDieRoll" << QRect(56, 8, -1, 18);
    QTest::newRow("Button1") << "Button1" << QRect(104, 8, 248, 25);
    QTest::newRow("bCommentLabel") << "bCommentLabel" << QRect(8, 43, -1, 18);
}

void TestShowCombatDialog::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);

    TShowCombatDlg dialog;
    const QWidget* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() < 0)
        QCOMPARE(control->width(), control->sizeHint().width());
    else
        QCOMPARE(control->size(), place.size());
    QCOMPARE(control->font().family(), QStringLiteral("Bookman Old Style"));
    QCOMPARE(control->font().pixelSize(), 13);
}

void TestShowCombatDialog::opensWithItsCaptions() {
    TShowCombatDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Korva : Roll Tide"));
    QCOMPARE(dialog.size(), QSize(360, 99));
    QCOMPARE(dialog.pos(), QPoint(18, 414));
    QCOMPARE(dialog.font().family(), QStringLiteral("Bookman Old Style"));
    QCOMPARE(dialog.font().pixelSize(), 11);
    QCOMPARE(label(dialog, "zLabel1")->text(), QStringLiteral("Bone:"));
    QCOMPARE(label(dialog, "bDieRoll")->text(), QStringLiteral("0"));
    QCOMPARE(label(dialog, "bCommentLabel")->text(), QStringLiteral("  "));
    QCOMPARE(okButton(dialog)->text(), QStringLiteral("OK"));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), okButton(dialog));
    dialog.close();
}

void TestShowCombatDialog::recordFillsTheCaptions_data() {
    QTest::addColumn<int>("dieValue");
    QTest::addColumn<QString>("comment");

    QTest::newRow("ordinary") << 3 << QStringLiteral("Assault on Cassino, 3:1");
    QTest::newRow("empty comment") << 6 << QString();
    QTest::newRow("markup shown as typed") << 1 << QStringLiteral("<b>bold</b> & <img src=x>");
    QTest::newRow("80 wide letters") << 5 << QString(80, QLatin1Char('W'));
}

void TestShowCombatDialog::recordFillsTheCaptions() {
    QFETCH(int, dieValue);
    QFETCH(QString, comment);

    TShowCombatDlg dialog;
    dialog.setRecord(dieValue, comment);
    QLabel* value = label(dialog, "bDieRoll");
    QLabel* shown = label(dialog, "bCommentLabel");
    QCOMPARE(value->text(), QString::number(dieValue));
    QCOMPARE(shown->text(), comment);
    QCOMPARE(shown->textFormat(), Qt::PlainText);
    // Both labels follow their text, so a long comment is never cut short by its label.
    QCOMPARE(shown->width(), shown->sizeHint().width());
    QCOMPARE(value->width(), value->sizeHint().width());
    QVERIFY(shown->geometry().right() < dialog.width());
    QVERIFY(dialog.width() >= 360);
}

void TestShowCombatDialog::recordsShowOneAfterAnother() {
    TShowCombatDlg dialog;
    QStringList seen;
    dialog.setModalRunner([&](QDialog& shown) {
        seen << label(dialog, "bDieRoll")->text() + QLatin1Char('|') +
                    label(dialog, "bCommentLabel")->text();
        return &shown == &dialog ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    QCOMPARE(dialog.showRecord(2, QStringLiteral("own first")), int(QDialog::Accepted));
    QCOMPARE(dialog.showRecord(5, QStringLiteral("own second")), int(QDialog::Accepted));
    QCOMPARE(dialog.showRecord(4, QStringLiteral("opened")), int(QDialog::Accepted));
    QCOMPARE(seen, QStringList({QStringLiteral("2|own first"), QStringLiteral("5|own second"),
                                QStringLiteral("4|opened")}));
}

void TestShowCombatDialog::realModalLoopEnds_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter on the focused button") << 1;
    QTest::newRow("close box") << 2;
}

void TestShowCombatDialog::realModalLoopEnds() {
    QFETCH(int, way);

    TShowCombatDlg dialog;
    bool shownModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        shownModal = dialog.isVisible() && dialog.isModal();
        if (way == 0)
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(okButton(dialog), Qt::Key_Return);
        else
            dialog.windowHandle()->close();
    });
    dialog.showRecord(6, QStringLiteral("breakthrough"));
    QVERIFY(shownModal);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(label(dialog, "bCommentLabel")->text(), QStringLiteral("breakthrough"));
}

QTEST_MAIN(TestShowCombatDialog)
#include "tst_showcombatdialog.moc"
