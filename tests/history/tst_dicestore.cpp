#include "dice/dicedraw.h"
#include "history/dicestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The secrets and the ledger a player keeps for a game: found by commitment, each roll by its
// secret and file, a damaged store set aside without losing its secrets, and never through a
// link planted in their place.
class TestDiceStore : public QObject {
    Q_OBJECT
private slots:
    void keepsSecretsAndRolls();
    void damagedStoreIsSetAside_data();
    void damagedStoreIsSetAside();
    void plantedLinkIsNeitherReadNorWritten();
};

void TestDiceStore::keepsSecretsAndRolls() {
    QTemporaryDir dir;
    const GameHistory history(dir.path());
    const GameId game = GameId::generate();
    DiceStore store(history, game);
    const QByteArray first = dicedraw::newSecret();
    const QByteArray second = dicedraw::newSecret();
    QString error;
    QVERIFY(store.keepSecret(first, &error));
    QVERIFY(store.keepSecret(second, &error));
    const QByteArray c1 = dicedraw::commitmentOf(first);
    const QByteArray c2 = dicedraw::commitmentOf(second);
    const QByteArray fileA = dicedraw::sha256("a"), fileB = dicedraw::sha256("b");
    QVERIFY(store.recordRoll({c1, fileA, 1, 4, 300, "attack"}, &error));
    QVERIFY(store.recordRoll({c1, fileA, 2, 6, 301, ""}, &error));
    QVERIFY(store.recordRoll({c1, fileB, 1, 2, 302, "other answer"}, &error));
    // The comment as the combat was closed replaces the one written before the roll.
    QVERIFY(store.recordRoll({c1, fileA, 1, 4, 300, "attack 3:1"}, &error));
    // The secrets are the player's alone.
    QCOMPARE(QFileInfo(store.path()).permissions() & 0x0777, QFile::ReadUser | QFile::WriteUser);
    // An earlier Korva's roll line belongs to its secret whatever file was opened.
    QFile file(store.path());
    QVERIFY(file.open(QIODevice::Append));
    file.write("roll " + c2.toHex() + " 7 3 400\nsomething later 1 2\n");
    file.close();
    // A fresh store on the same folder, as after a restart.
    const DiceStore again(history, game);
    QString note;
    const std::vector<DiceStore::Roll> rolls = again.rollsOf(c1, fileA, &note);
    QVERIFY2(note.isEmpty(), qPrintable(note));
    QCOMPARE(rolls.size(), std::size_t{2});
    QCOMPARE(rolls[0], (DiceStore::Roll{c1, fileA, 1, 4, 300, "attack 3:1"}));
    QCOMPARE(rolls[1].comment, std::string());
    QCOMPARE(again.rollsOf(c1, fileB).size(), std::size_t{1});
    QCOMPARE(again.rollsOf(c2, fileB).at(0).number, 7u);
    // A revealed secret stays: its turn may go on.
    QCOMPARE(again.secretFor(c1), first);
    QCOMPARE(again.secretFor(c2), second);
    QVERIFY(!store.secretFor(dicedraw::commitmentOf(dicedraw::newSecret())));
}

void TestDiceStore::damagedStoreIsSetAside_data() {
    QTest::addColumn<QByteArray>("line");
    const QByteArray c = QByteArray(32, 'c').toHex();
    QTest::newRow("roll number at its largest") << "roll " + c + " 4294967295 3 300";
    QTest::newRow("roll number beyond a file's") << "roll " + c + " 100001 3 300";
    QTest::newRow("die of 7") << "roll " + c + " 1 7 300";
    QTest::newRow("hex off the grid") << "roll " + c + " 1 3 2967";
    QTest::newRow("cut secret") << QByteArray("secret 12ab");
    QTest::newRow("one roll drawn twice") << "roll " + c + " 1 3 300\nroll " + c + " 1 4 300";
}

void TestDiceStore::damagedStoreIsSetAside() {
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const GameHistory history(dir.path());
    DiceStore store(history, GameId::generate());
    const QByteArray secret = dicedraw::newSecret();
    QString error;
    QVERIFY(store.keepSecret(secret, &error));
    QFile file(store.path());
    QVERIFY(file.open(QIODevice::Append));
    file.write(line + '\n');
    file.close();
    QString note;
    // The secret survives, the damage is named and kept aside whole, and only once.
    QCOMPARE(store.secretFor(dicedraw::commitmentOf(secret), &note), secret);
    QVERIFY(note.contains(QStringLiteral("damaged")));
    const QStringList aside =
        QDir(QFileInfo(store.path()).path()).entryList({QStringLiteral("dice.damaged-*")});
    QCOMPARE(aside.size(), 1);
    QFile kept(QFileInfo(store.path()).path() + QLatin1Char('/') + aside[0]);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().contains(line));
    note.clear();
    QCOMPARE(store.secretFor(dicedraw::commitmentOf(secret), &note), secret);
    QVERIFY(note.isEmpty());
}

void TestDiceStore::plantedLinkIsNeitherReadNorWritten() {
    QTemporaryDir dir;
    const GameId game = GameId::generate();
    DiceStore store(GameHistory(dir.path()), game);
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    QFile target(elsewhere);
    QVERIFY(target.open(QIODevice::WriteOnly));
    const QByteArray secret = dicedraw::newSecret();
    target.write("secret " + secret.toHex() + '\n');
    target.close();
    QVERIFY(QDir().mkpath(QFileInfo(store.path()).path()));
    QVERIFY(QFile::link(elsewhere, store.path()));
    QVERIFY(!store.secretFor(dicedraw::commitmentOf(secret)));
    QString error;
    QVERIFY(!store.keepSecret(dicedraw::newSecret(), &error));
    QVERIFY(error.contains(QStringLiteral("symbolic link")));
    QCOMPARE(QFileInfo(elsewhere).size(), qint64(7 + 64 + 1));
}

QTEST_GUILESS_MAIN(TestDiceStore)
#include "tst_dicestore.moc"
