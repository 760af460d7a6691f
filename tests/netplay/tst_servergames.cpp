#include "netplay/servergames.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The player's list of server games: kept, found, never rewritten to another server or key,
// and a damaged or hostile file read as no games, with a warning, never a crash.
class TestServerGames : public QObject {
    Q_OBJECT
private slots:
    void addAndFind_data();
    void addAndFind();
    void damagedFile_data();
    void damagedFile();
};

namespace {

GameId gameOf(char c) {
    GameId::Bytes bytes{};
    bytes.fill(std::uint8_t(c));
    return *GameId::fromBytes(bytes);
}

ServerGameEntry entry(char game = 'g') {
    return {gameOf(game), QUrl(QStringLiteral("http://club.example:8080")), Side::First,
            QByteArray(32, 'k')};
}

} // namespace

void TestServerGames::addAndFind_data() {
    QTest::addColumn<char>("game");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("games");
    const QString club = QStringLiteral("http://club.example:8080");
    const QByteArray key(32, 'k');
    QTest::newRow("the same again") << 'g' << club << key << false << true << 1;
    QTest::newRow("the same, address with a slash")
        << 'g' << QStringLiteral("http://club.example:8080/") << key << false << true << 1;
    QTest::newRow("another game") << 'h' << QStringLiteral("https://other.example")
                                  << QByteArray(32, 'x') << false << true << 2;
    QTest::newRow("another key") << 'g' << club << QByteArray(32, 'x') << false << false << 1;
    QTest::newRow("another server")
        << 'g' << QStringLiteral("http://evil.example") << key << false << false << 1;
    QTest::newRow("another side") << 'g' << club << key << true << false << 1;
    QTest::newRow("a key too short") << 'h' << club << QByteArray(31, 'k') << false << false << 1;
    QTest::newRow("no http") << 'h' << QStringLiteral("file:///etc/passwd") << key << false << false
                             << 1;
}

void TestServerGames::addAndFind() {
    QFETCH(char, game);
    QFETCH(QString, server);
    QFETCH(QByteArray, key);
    QFETCH(bool, second);
    QFETCH(bool, kept);
    QFETCH(int, games);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("servers/games.json"));
    QCOMPARE(ServerGames(file).add(entry()), QString());
    const ServerGameEntry other{gameOf(game), QUrl(server), second ? Side::Second : Side::First,
                                key};
    QCOMPARE(ServerGames(file).add(other).isEmpty(), kept);
    const ServerGames read(file);
    QCOMPARE(read.all().size(), games);
    // What was kept first stands.
    const std::optional<ServerGameEntry> found = read.find(gameOf('g'));
    QVERIFY(found);
    QCOMPARE(found->publicKey, QByteArray(32, 'k'));
    QCOMPARE(found->server, QUrl(QStringLiteral("http://club.example:8080")));
    QCOMPARE(read.warning(), QString());
}

void TestServerGames::damagedFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("games");
    QTest::addColumn<bool>("addable");
    const QByteArray good =
        R"({"game":"67676767676767676767676767676767","server":"http://a.example",)"
        R"("side":0,"key":")" +
        QByteArray(64, 'a') + R"("})";
    QTest::newRow("not JSON") << QByteArray("\x00\xff{{{", 6) << 0 << false;
    QTest::newRow("no list") << QByteArray(R"({"games":7})") << 0 << false;
    QTest::newRow("too large") << QByteArray(5 * 1024 * 1024, ' ') << 0 << false;
    QTest::newRow("a bad entry beside a good one")
        << QByteArray(R"({"games":[{"game":"zz","side":9},)" + good + "]}") << 1 << true;
    QTest::newRow("one game twice, first kept")
        << QByteArray(R"({"games":[)" + good + "," +
                      QByteArray(good).replace("http://a.example", "http://b.example") + "]}")
        << 1 << true;
}

void TestServerGames::damagedFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, games);
    QFETCH(bool, addable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("games.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ServerGames list(path);
    const QList<ServerGameEntry> all = list.all();
    QCOMPARE(all.size(), games);
    QVERIFY(!list.warning().isEmpty());
    if (games > 0)
        QCOMPARE(all.front().server, QUrl(QStringLiteral("http://a.example")));
    // A damaged list is never written over: the games it may still hold would be lost.
    QCOMPARE(list.add(entry('h')).isEmpty(), addable);
    if (!addable) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
}

QTEST_GUILESS_MAIN(TestServerGames)
#include "tst_servergames.moc"
