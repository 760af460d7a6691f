#include "dice/dicedraw.h"
#include "history/dicestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The secrets and the ledger a player keeps for a game: found by commitment, counted, dropped
// once revealed, and never through a link planted in their place.
class TestDiceStore : public QObject {
    Q_OBJECT
private slots:
    void keepsSecretsAndRolls();
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
    QCOMPARE(store.secretFor(c1), first);
    QCOMPARE(store.rollsMade(c1), 0u);
    QVERIFY(store.recordRoll(c1, 1, 4, 300, &error));
    QVERIFY(store.recordRoll(c1, 2, 6, 301, &error));
    QVERIFY(store.recordRoll(c2, 1, 2, 302, &error));
    // A fresh store on the same folder, as after a restart; damaged lines are skipped.
    QFile file(store.path());
    QVERIFY(file.open(QIODevice::Append));
    file.write("secret 12zz\nroll x 1 2 3\n");
    file.close();
    const DiceStore again(history, game);
    QCOMPARE(again.rollsMade(c1), 2u);
    QCOMPARE(again.secretFor(c2), second);
    QVERIFY(store.keepOnly(c2, &error));
    QVERIFY(!store.secretFor(c1));
    QCOMPARE(store.secretFor(c2), second);
    QCOMPARE(store.rollsMade(c1), 0u);
    QVERIFY(!store.secretFor(dicedraw::commitmentOf(dicedraw::newSecret())));
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
