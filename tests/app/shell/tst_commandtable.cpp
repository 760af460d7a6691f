#include "app/shell/commandtable.h"

#include <QAction>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>

// The one table of commands: no key twice, every tool tip names its key, and no key set or
// read anywhere else.
class TestCommandTable : public QObject {
    Q_OBJECT
private slots:
    void keysAndNamesAreUnique();
    void actionsComeFromTheTable();
    void noKeyIsSetOutsideTheTable();
};

void TestCommandTable::keysAndNamesAreUnique() {
    QSet<QString> keys;
    QSet<QString> names;
    for (const CommandRow& row : CommandTable::rows()) {
        const QString name = QString::fromLatin1(row.objectName);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        for (const QKeySequence& key : row.keys) {
            const QString text = key.toString(QKeySequence::PortableText);
            QVERIFY2(!keys.contains(text), qPrintable(text + QStringLiteral(" twice")));
            keys.insert(text);
        }
    }
}

void TestCommandTable::actionsComeFromTheTable() {
    QWidget window;
    QWidget map(&window);
    const CommandTable table(&window, &map);
    for (const CommandRow& row : CommandTable::rows()) {
        const QAction* action = table.action(row.id);
        QCOMPARE(action->objectName(), QString::fromLatin1(row.objectName));
        QCOMPARE(action->shortcuts(), row.keys);
        const QString key = row.keys.constFirst().toString(QKeySequence::NativeText);
        QCOMPARE(table.keyText(row.id), key);
        QVERIFY2(action->toolTip().endsWith(QStringLiteral("(%1)").arg(key)),
                 qPrintable(action->toolTip()));
        QVERIFY((row.context == KeyContext::Map ? map : window).actions().contains(action));
    }
}

void TestCommandTable::noKeyIsSetOutsideTheTable() {
    // A key read in a handler is a key set outside the table too, and a key's text is the
    // table's keyText; only Space, which pans while held, is no command.
    static const QRegularExpression setsKey(QStringLiteral(
        "setShortcuts?\\(|shortcut\\(\\)|new QShortcut|QKeySequence\\(Qt::(CTRL|ALT|SHIFT)|"
        "Qt::Key_(?!Space\\b)"));
    QStringList found;
    QDirIterator files(QStringLiteral(KORVA_SOURCE_DIR "/app"),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.endsWith(QStringLiteral("/commandtable.cpp")))
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (QString::fromUtf8(file.readAll()).contains(setsKey))
            found << path;
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
