#include "app/dialogs/gamesetupdialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// A player's name as the set-up dialog takes it, typed or pasted: nothing that draws nothing
// or reorders the text around it gets in.
class TestGameSetupDialog : public QObject {
    Q_OBJECT
private slots:
    void nameKeepsOutActingCharacters_data();
    void nameKeepsOutActingCharacters();
    void cursorStaysAfterWhatWasPasted();
};

void TestGameSetupDialog::nameKeepsOutActingCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << QStringLiteral("Börje Ström") << QStringLiteral("Börje Ström");
    QTest::newRow("right-to-left override")
        << QStringLiteral("Bob\u202Eecila") << QStringLiteral("Bobecila");
    QTest::newRow("isolates") << QStringLiteral("\u2066Bob\u2069") << QStringLiteral("Bob");
    QTest::newRow("fillers and a joiner")
        << QStringLiteral("Bob\u3164\u115F\u034F") << QStringLiteral("Bob");
    QTest::newRow("zero-width space") << QStringLiteral("Al\u200Bice") << QStringLiteral("Alice");
    QTest::newRow("tag letter") << QStringLiteral("Bob\U000E0041") << QStringLiteral("Bob");
    QTest::newRow("letter beyond 16 bits")
        << QStringLiteral("Bob \U0001D4D1") << QStringLiteral("Bob \U0001D4D1");
}

void TestGameSetupDialog::nameKeepsOutActingCharacters() {
    QFETCH(QString, text);
    QFETCH(QString, kept);
    GameSetupDialog dialog(GameSetupDialog::Mode::NewGame, TurnOrder{}, {});
    QLineEdit& edit = dialog.playerEdit(Side::First);
    edit.insert(text); // what a paste does
    QCOMPARE(edit.text(), kept);
    QCOMPARE(dialog.players().first, kept);

    // Typed: one key at a time, each bringing its character as an input method would.
    QLineEdit& typed = dialog.playerEdit(Side::Second);
    for (const char32_t c : text.toUcs4()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QApplication::sendEvent(&typed, &key);
    }
    QCOMPARE(typed.text(), kept);
}

void TestGameSetupDialog::cursorStaysAfterWhatWasPasted() {
    GameSetupDialog dialog(GameSetupDialog::Mode::NewGame, TurnOrder{}, {});
    QLineEdit& edit = dialog.playerEdit(Side::First);
    edit.setText(QStringLiteral("Alice"));
    edit.setCursorPosition(2);
    edit.insert(QStringLiteral("\u200B\U000E0041x\u3164"));
    QCOMPARE(edit.text(), QStringLiteral("Alxice"));
    QCOMPARE(edit.cursorPosition(), 3);
}

QTEST_MAIN(TestGameSetupDialog)
#include "tst_gamesetupdialog.moc"
