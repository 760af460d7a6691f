#include "app/dialogs/tcombat.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <stdexcept>
#include <vector>

// A die that answers faces from a script and remembers the offsets it was asked for.
struct ScriptedDie {
    std::vector<int> faces;
    std::vector<int> offsets;

    TCombat::DieRoller roller() {
        return [this](int offset) {
            offsets.push_back(offset);
            return faces.at(offsets.size() - 1);
        };
    }
};

enum class Closing { CancelButton, EscKey, CloseBox, CloseEvent, Reject, Accept };
Q_DECLARE_METATYPE(Closing)

class TestCombatDialog : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void opensReadyForAComment();
    void commentSwitchesBoneAndLabel();
    void commentRefusesWhatTheFileCannotHold_data();
    void commentRefusesWhatTheFileCannotHold();
    void rollShowsTheFace_data();
    void rollShowsTheFace();
    void dieRollsOnlyOnce();
    void closing_data();
    void closing();
    void modalLoopKeepsTheRoll();
    void commentAtClosingIsRecorded();
    void needsARoller();
    void serverDie();

private:
    ScriptedDie die_;
    std::unique_ptr<TCombat> open(int offset = 0, std::vector<int> faces = {4, 2, 6});
};

namespace {

QLineEdit* comment(TCombat& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("combatComment"));
}
QPushButton* button(TCombat& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}
QLabel* label(TCombat& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QLatin1String(name));
}

// Types as a keyboard would, one key event per character, whatever the character.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void roll(TCombat& dialog) {
    QTest::keyClicks(comment(dialog), QStringLiteral("attack"));
    QTest::mouseClick(button(dialog, "combatBone"), Qt::LeftButton);
    QVERIFY(dialog.rolled());
}

} // namespace

std::unique_ptr<TCombat> TestCombatDialog::open(int offset, std::vector<int> faces) {
    die_ = ScriptedDie{std::move(faces), {}};
    auto dialog = std::make_unique<TCombat>(die_.roller());
    dialog->setDieValue(offset);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestCombatDialog::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // width -1: sized to its text
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("combatBone") << "combatBone" << QRect(27, 31, 90, 65) << 16 << true;
    QTest::newRow("combatBoneText") << "combatBoneText" << QRect(29, 29, 46, 79) << 64 << true;
    QTest::newRow("combatCancel") << "combatCancel" << QRect(499, 31, 90, 65) << 16 << true;
    QTest::newRow("combatCommentLabel")
        << "combatCommentLabel" << QRect(27, 117, -1, 16) << 12 << false;
    QTest::newRow("combatComment") << "combatComment" << QRect(24, 136, 569, 22) << 12 << false;
    QTest::newRow("combatZbevel") << "combatZbevel" << QRect(0, 0, 654, 2) << 11 << false;
}

void TestCombatDialog::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    TCombat dialog(die_.roller());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QWidget* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() < 0)
        QCOMPARE(control->width(), control->sizeHint().width());
    else
        QCOMPARE(control->size(), place.size());
    QCOMPARE(control->font().pixelSize(), pixelSize);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->font().family(), pixelSize == 11 ? QStringLiteral("MS Sans Serif")
                                                       : QStringLiteral("Bookman Old Style"));
}

void TestCombatDialog::opensReadyForAComment() {
    auto dialog = open(3);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Korva Die Roll"));
    QCOMPARE(dialog->size(), QSize(654, 206));
    QCOMPARE(dialog->pos(), QPoint(68, 257));
    QCOMPARE(dialog->dieValue(), 3);
    QVERIFY(!dialog->rolled());

    QVERIFY(button(*dialog, "combatBone")->isVisible());
    QVERIFY(!button(*dialog, "combatBone")->isEnabled());
    QCOMPARE(button(*dialog, "combatBone")->text(), QStringLiteral("Bone"));
    QVERIFY(label(*dialog, "combatBoneText")->isHidden());
    QCOMPARE(button(*dialog, "combatCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(label(*dialog, "combatCommentLabel")->text(),
             QStringLiteral("Enter first part of comments before rolling a die."));
    QCOMPARE(comment(*dialog)->text(), QString());
    QCOMPARE(comment(*dialog)->maxLength(), 80);
    QCOMPARE(dialog->focusWidget(), comment(*dialog));

    // Tab order: comment, Bone (once enabled), Cancel.
    QTest::keyClick(comment(*dialog), Qt::Key_Tab);
    QCOMPARE(dialog->focusWidget(), button(*dialog, "combatCancel"));
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
    QCOMPARE(dialog->focusWidget(), comment(*dialog));
    QTest::keyClick(comment(*dialog), Qt::Key_A);
    QTest::keyClick(comment(*dialog), Qt::Key_Tab);
    QCOMPARE(dialog->focusWidget(), button(*dialog, "combatBone"));
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
    QCOMPARE(dialog->focusWidget(), button(*dialog, "combatCancel"));
}

void TestCombatDialog::commentSwitchesBoneAndLabel() {
    auto dialog = open();
    QVERIFY(dialog);
    QPushButton* bone = button(*dialog, "combatBone");
    QLabel* prompt = label(*dialog, "combatCommentLabel");

    QTest::keyClick(comment(*dialog), Qt::Key_X);
    QVERIFY(bone->isEnabled());
    QCOMPARE(prompt->text(), QStringLiteral("Comments:"));

    QTest::keyClick(comment(*dialog), Qt::Key_Backspace);
    QVERIFY(!bone->isEnabled());
    QCOMPARE(prompt->text(), QStringLiteral("Man, you really really need to use the comments."));
    QCOMPARE(prompt->width(), prompt->sizeHint().width());

    // Enter in the comment neither rolls nor closes.
    QTest::keyClicks(comment(*dialog), QStringLiteral("hold"));
    QTest::keyClick(comment(*dialog), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->rolled());
    QVERIFY(die_.offsets.empty());
}

void TestCombatDialog::commentRefusesWhatTheFileCannotHold_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("kept");

    const QString eighty(80, QLatin1Char('a'));
    QTest::newRow("81st character typed") << eighty + QLatin1Char('b') << false << eighty;
    QTest::newRow("81 characters pasted") << eighty + QLatin1Char('b') << true << eighty;
    QTest::newRow("Cyrillic typed") << QStringLiteral("a\u0416b") << false << QStringLiteral("ab");
    QTest::newRow("Cyrillic pasted") << QStringLiteral("a\u0416b") << true << QString();
    QTest::newRow("emoji pasted") << QStringLiteral("ok \U0001F600") << true << QString();
    QTest::newRow("tab pasted") << QStringLiteral("a\tb") << true << QString();
    QTest::newRow("line break pasted") << QStringLiteral("a\nb") << true << QString();
    QTest::newRow("euro and accents")
        << QStringLiteral("\u00e9t\u00e9 \u20ac5 \u2013 \u00bd") << false
        << QStringLiteral("\u00e9t\u00e9 \u20ac5 \u2013 \u00bd");
}

void TestCombatDialog::commentRefusesWhatTheFileCannotHold() {
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(QString, kept);

    auto dialog = open();
    QVERIFY(dialog);
    if (pasted)
        comment(*dialog)->insert(input);
    else
        type(comment(*dialog), input);
    QCOMPARE(comment(*dialog)->text(), kept);
    QCOMPARE(dialog->comment(), kept);
}

void TestCombatDialog::rollShowsTheFace_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("face");

    QTest::newRow("offset 0, face 1") << 0 << 1;
    QTest::newRow("offset 2 of hex 2966, face 2") << 2 << 2;
    QTest::newRow("offset 5, face 6") << 5 << 6;
}

void TestCombatDialog::rollShowsTheFace() {
    QFETCH(int, offset);
    QFETCH(int, face);

    auto dialog = open(offset, {face});
    QVERIFY(dialog);
    roll(*dialog);
    QCOMPARE(die_.offsets, std::vector<int>{offset});
    QCOMPARE(dialog->dieValue(), face);

    QVERIFY(button(*dialog, "combatBone")->isHidden());
    QLabel* shown = label(*dialog, "combatBoneText");
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), QString::number(face));
    QCOMPARE(button(*dialog, "combatCancel")->text(), QStringLiteral("Done"));
    QCOMPARE(dialog->focusWidget(), comment(*dialog));
}

void TestCombatDialog::dieRollsOnlyOnce() {
    auto dialog = open(1);
    QVERIFY(dialog);
    roll(*dialog);
    // Even a click that reaches the hidden button does not roll again.
    button(*dialog, "combatBone")->click();
    QTest::keyClicks(comment(*dialog), QStringLiteral(" more"));
    button(*dialog, "combatBone")->click();
    QCOMPARE(die_.offsets.size(), std::size_t{1});
    QCOMPARE(dialog->dieValue(), 4);
    QCOMPARE(label(*dialog, "combatBoneText")->text(), QStringLiteral("4"));
}

void TestCombatDialog::closing_data() {
    QTest::addColumn<Closing>("how");
    QTest::addColumn<bool>("rolled");

    const std::pair<const char*, Closing> ways[] = {
        {"Cancel button", Closing::CancelButton},
        {"Esc", Closing::EscKey},
        {"close box", Closing::CloseBox},
        {"close event", Closing::CloseEvent},
        {"reject()", Closing::Reject},
        {"accept()", Closing::Accept},
    };
    for (const auto& [name, how] : ways) {
        QTest::addRow("%s before the roll", name) << how << false;
        QTest::addRow("%s after the roll", name) << how << true;
    }
}

void TestCombatDialog::closing() {
    QFETCH(Closing, how);
    QFETCH(bool, rolled);

    auto dialog = open(2);
    QVERIFY(dialog);
    if (rolled)
        roll(*dialog);
    else
        QTest::keyClicks(comment(*dialog), QStringLiteral("typed but not rolled"));
    QSignalSpy finished(dialog.get(), &QDialog::finished);

    switch (how) {
    case Closing::CancelButton:
        QTest::mouseClick(button(*dialog, "combatCancel"), Qt::LeftButton);
        break;
    case Closing::EscKey:
        QTest::keyClick(comment(*dialog), Qt::Key_Escape);
        break;
    case Closing::CloseBox:
        QVERIFY(dialog->windowHandle());
        dialog->windowHandle()->close();
        break;
    case Closing::CloseEvent: {
        QCloseEvent event;
        QCoreApplication::sendEvent(dialog.get(), &event);
        break;
    }
    case Closing::Reject:
        dialog->reject();
        break;
    case Closing::Accept:
        dialog->accept();
        break;
    }

    const int expected = rolled ? QDialog::Accepted : QDialog::Rejected;
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), expected);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), expected);
    QCOMPARE(dialog->rolled(), rolled);
}

void TestCombatDialog::modalLoopKeepsTheRoll() {
    die_ = ScriptedDie{{6}, {}};
    TCombat rolledThenClosed(die_.roller());
    rolledThenClosed.setDieValue(5);
    QTimer::singleShot(0, &rolledThenClosed, [&] {
        QTest::keyClicks(comment(rolledThenClosed), QStringLiteral("river crossing"));
        QTest::mouseClick(button(rolledThenClosed, "combatBone"), Qt::LeftButton);
        rolledThenClosed.windowHandle()->close();
    });
    QCOMPARE(rolledThenClosed.exec(), int(QDialog::Accepted));
    QCOMPARE(rolledThenClosed.dieValue(), 6);
    QCOMPARE(rolledThenClosed.comment(), QStringLiteral("river crossing"));

    TCombat leftAtOnce(die_.roller());
    QTimer::singleShot(0, &leftAtOnce,
                       [&] { QTest::keyClick(comment(leftAtOnce), Qt::Key_Escape); });
    QCOMPARE(leftAtOnce.exec(), int(QDialog::Rejected));
    QVERIFY(!leftAtOnce.rolled());
}

void TestCombatDialog::commentAtClosingIsRecorded() {
    auto dialog = open();
    QVERIFY(dialog);
    roll(*dialog);
    // Emptying after the roll: the Bone stays gone, the comment is recorded empty.
    comment(*dialog)->selectAll();
    QTest::keyClick(comment(*dialog), Qt::Key_Delete);
    QVERIFY(button(*dialog, "combatBone")->isHidden());
    QCOMPARE(dialog->commentWin1252(), std::string());

    type(comment(*dialog), QStringLiteral("\u00e9\u20ac"));
    QTest::mouseClick(button(*dialog, "combatCancel"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->commentWin1252(), std::string("\xe9\x80"));
}

void TestCombatDialog::needsARoller() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TCombat(TCombat::DieRoller{}));
}

// A server game's die: the dialog waits for the server, shows its refusal with Retry, never
// rolls one of its own, and drops an answer that comes after it closed.
void TestCombatDialog::serverDie() {
    std::vector<TCombat::Answer> asked;
    auto dialog = std::make_unique<TCombat>(
        [&asked](const TCombat::Answer& answer) { asked.push_back(answer); }, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QPushButton* bone = button(*dialog, "combatBone");
    QTest::keyClicks(comment(*dialog), QStringLiteral("attack"));
    QTest::mouseClick(bone, Qt::LeftButton);
    QCOMPARE(asked.size(), std::size_t(1));
    QVERIFY(comment(*dialog)->isReadOnly());
    QVERIFY(!bone->isEnabled());
    dialog->reject(); // no closing while the server's die is on its way
    QVERIFY(dialog->isVisible());

    asked.back()(0, QStringLiteral("<b>no Korva server answers</b>"));
    QVERIFY(!dialog->rolled());
    QCOMPARE(bone->text(), QStringLiteral("Retry"));
    QVERIFY(label(*dialog, "combatCommentLabel")->text().contains(QStringLiteral("<b>no Korva")));
    QCOMPARE(label(*dialog, "combatCommentLabel")->textFormat(), Qt::PlainText);

    QTest::mouseClick(bone, Qt::LeftButton);
    QCOMPARE(asked.size(), std::size_t(2));
    asked.back()(5, {});
    QVERIFY(dialog->rolled());
    QCOMPARE(dialog->dieValue(), 5);
    QCOMPARE(dialog->commentWin1252(), std::string("attack"));

    asked.front()(2, {}); // a late answer to the first ask changes nothing
    QCOMPARE(dialog->dieValue(), 5);
    dialog.reset();
    asked.back()(3, {}); // nor one after the dialog is gone
}

QTEST_MAIN(TestCombatDialog)
#include "tst_combatdialog.moc"
