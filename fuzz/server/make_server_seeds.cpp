// Writes the server fuzzer's first corpus: one stream of each kind of request, tokens and
// the game's id as the fuzzer's placeholders, and a turn whose file the reader takes.
#include "fuzz/server/serverfixture.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"

#include <QDir>
#include <QFile>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    using serverfixture::request;
    KorvaExtension block;
    block.gameId = GameId::fromHex(QStringLiteral("0123456789abcdef0123456789abcdef"));
    block.turn = TurnRecord{1, Side::Second, Side::First};
    block.witnessedRolls = std::vector<WitnessedRoll>{};
    const QByteArray file = encodeMoveFile(newGameContents()) + encodeKorvaExtension(block);
    const QJsonObject roll{{QStringLiteral("turn"), 1},
                           {QStringLiteral("number"), 1},
                           {QStringLiteral("hex"), 300},
                           {QStringLiteral("comment"), QStringLiteral("YXR0YWNr")}};
    const QList<QByteArray> seeds = {
        request("GET", "/key"),
        request("POST", "/players", {{QStringLiteral("name"), QStringLiteral("Carol")}}),
        request("GET", "/games", {}, "$A") + request("GET", "/games/$G", {}, "$B"),
        request("POST", "/games",
                {{QStringLiteral("game"), QStringLiteral("00112233445566778899aabbccddeeff")},
                 {QStringLiteral("name"), QStringLiteral("Anzio")},
                 {QStringLiteral("side"), 1},
                 {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                      {QStringLiteral("toMove"), 0},
                                                      {QStringLiteral("movesFirst"), 0}}}},
                "$A"),
        request("POST", "/games/join", {{QStringLiteral("invite"), QStringLiteral("ABCDEFGHJKLM")}},
                "$B"),
        request("POST", "/games/$G/rolls", roll, "$A") +
            request("GET", "/games/$G/rolls", {}, "$B"),
        request("POST", "/games/$G/turns",
                {{QStringLiteral("file"), QString::fromLatin1(file.toBase64())},
                 {QStringLiteral("report"), QStringLiteral("cmVwb3J0")}},
                "$A") +
            request("GET", "/games/$G/turns/1", {}, "$B"),
        "GET /events HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n",
        "POST /players HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
    };
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        QFile out(QDir(folder).filePath(QStringLiteral("seed-%1").arg(i)));
        if (!out.open(QIODevice::WriteOnly) || out.write(seeds[i]) != seeds[i].size())
            return 1;
    }
    return 0;
}
