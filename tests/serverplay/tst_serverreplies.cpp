#include "serverplay/serverreplies.h"

#include <QJsonDocument>
#include <QTest>

// A server is read as warily as a move file: an answer with a field missing, of another type
// or out of range is refused whole.
class TestServerReplies : public QObject {
    Q_OBJECT
private slots:
    void answersChecked_data();
    void answersChecked();
    void reasonsShownAsOneLine();
};

namespace {

using namespace serverreplies;

const QByteArray kGame = R"("game":"00112233445566778899aabbccddeeff","name":"Salerno","side":1,)"
                         R"("players":["Alice","Bob"],"turn":3,"toMove":0,"yourMove":false)";
const QByteArray kRoll = R"("record":"AAEC","turn":2,"number":1,"hex":40,"time":1765000000000)";

bool accepted(const QByteArray& reader, const QByteArray& json) {
    const QJsonObject body = QJsonDocument::fromJson(json).object();
    if (reader == "game")
        return game(body).has_value();
    if (reader == "games")
        return games(body).has_value();
    if (reader == "roll")
        return roll(body).has_value();
    if (reader == "registered")
        return registered(body).has_value();
    if (reader == "key")
        return serverKey(body).has_value();
    return turn(body).has_value();
}

} // namespace

void TestServerReplies::answersChecked_data() {
    QTest::addColumn<QByteArray>("reader");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("ok");
    QTest::newRow("a game") << QByteArray("game") << "{" + kGame + "}" << true;
    QTest::newRow("a game with its invite")
        << QByteArray("game") << "{" + kGame + R"(,"invite":"K7Q2")" + "}" << true;
    QTest::newRow("an invite that is no text")
        << QByteArray("game") << "{" + kGame + R"(,"invite":7)" + "}" << false;
    QTest::newRow("a side 2") << QByteArray("game")
                              << "{" + QByteArray(kGame).replace("\"side\":1", "\"side\":2") + "}"
                              << false;
    QTest::newRow("a turn of 2.5")
        << QByteArray("game") << "{" + QByteArray(kGame).replace("\"turn\":3", "\"turn\":2.5") + "}"
        << false;
    QTest::newRow("a game id too short")
        << QByteArray("game") << "{" + QByteArray(kGame).replace("ff\"", "\"") + "}" << false;
    QTest::newRow("one player") << QByteArray("game")
                                << "{" + QByteArray(kGame).replace(",\"Bob\"", "") + "}" << false;
    QTest::newRow("games, one bad")
        << QByteArray("games") << R"({"games":[{)" + kGame + R"(},{"game":1}]})" << false;
    QTest::newRow("games") << QByteArray("games") << R"({"games":[{)" + kGame + "}]}" << true;
    QTest::newRow("a roll") << QByteArray("roll") << "{" + kRoll + R"(,"die":6})" << true;
    QTest::newRow("a die of 7") << QByteArray("roll") << "{" + kRoll + R"(,"die":7})" << false;
    QTest::newRow("a record not base64")
        << QByteArray("roll") << "{" + QByteArray(kRoll).replace("AAEC", "A*EC") + R"(,"die":1})"
        << false;
    QTest::newRow("a token") << QByteArray("registered")
                             << QByteArray(R"({"player":3,"token":"3.a-b_c"})") << true;
    QTest::newRow("a token with a line break")
        << QByteArray("registered") << QByteArray(R"({"player":3,"token":"3.a\nrm"})") << false;
    QTest::newRow("a key") << QByteArray("key")
                           << R"({"publicKey":")" + QByteArray(64, 'a') + R"(","fingerprint":")" +
                                  QByteArray(64, 'b') + "\"}"
                           << true;
    QTest::newRow("a key too short") << QByteArray("key")
                                     << R"({"publicKey":")" + QByteArray(62, 'a') +
                                            R"(","fingerprint":")" + QByteArray(64, 'b') + "\"}"
                                     << false;
    QTest::newRow("a turn") << QByteArray("turn")
                            << QByteArray(R"({"turn":2,"file":"AA==","report":""})") << true;
    QTest::newRow("a turn without its report")
        << QByteArray("turn") << QByteArray(R"({"turn":2,"file":"AA=="})") << false;
}

void TestServerReplies::answersChecked() {
    QFETCH(QByteArray, reader);
    QFETCH(QByteArray, json);
    QFETCH(bool, ok);
    QCOMPARE(accepted(reader, json), ok);
}

void TestServerReplies::reasonsShownAsOneLine() {
    const QString reason =
        oneLine(QStringLiteral("not your\nmove\x1b]0;owned\x07") + QString(500, QLatin1Char('x')));
    QVERIFY(!reason.contains(QLatin1Char('\n')));
    QVERIFY(!reason.contains(QChar(0x1b)));
    QVERIFY(reason.startsWith(QStringLiteral("not your move")));
    QVERIFY(reason.size() <= 200);
}

QTEST_GUILESS_MAIN(TestServerReplies)
#include "tst_serverreplies.moc"
