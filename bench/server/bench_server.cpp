// The server under load, as a club's players would put it there: the real korva-server on
// a loopback port over a real SQLite file, and client threads that each play their games
// one request at a time over a kept-alive connection. Three runs, each bounded in count and
// time (--seconds, 600 by default, for each):
//   1. 200 games from 20 clients, 10 turns of 5 rolls each (rolls/s, p99 of a roll,
//      uploads/s, the server's peak RSS);
//   2. 1,000 games from 50 clients, 2 turns of 5 rolls each;
//   3. a soak of 20,000 requests from 50 clients over those games (reads, and a roll in
//      four), with the server's RSS at its start and end.
//
//     bench_server [--server PROGRAM] [--seconds N]
#include "bench/common/temporaryhome.h"
#include "geometry/hexgrid.h"
#include "movefile/gameid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Answer {
    int status = 0;
    QJsonObject body;
};

// One player's kept-alive connection, used by one thread.
class Connection {
public:
    explicit Connection(quint16 port) : port_(port) {}

    Answer call(const QByteArray& method, const QByteArray& path, const QJsonObject& body = {},
                const QByteArray& token = {}) {
        if (socket_.state() != QAbstractSocket::ConnectedState) {
            socket_.abort();
            socket_.connectToHost(QStringLiteral("127.0.0.1"), port_);
            if (!socket_.waitForConnected(5000))
                return {};
        }
        const QByteArray json =
            method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
        socket_.write(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                      (token.isEmpty() ? QByteArray() : "Authorization: Bearer " + token + "\r\n") +
                      "Content-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(json.size()) + "\r\n\r\n" + json);
        QByteArray got;
        qsizetype end = -1;
        qint64 length = 0;
        while (true) {
            if (end < 0 && (end = got.indexOf("\r\n\r\n")) >= 0) {
                static const QRegularExpression field(
                    QStringLiteral("(?i)content-length: *(\\d+)"));
                length = field.match(QString::fromLatin1(got.left(end))).captured(1).toLongLong();
            }
            if (end >= 0 && got.size() >= end + 4 + length)
                break;
            if (!socket_.waitForReadyRead(30000))
                return {};
            got += socket_.readAll();
        }
        return {got.mid(9, 3).toInt(), QJsonDocument::fromJson(got.mid(end + 4, length)).object()};
    }

private:
    quint16 port_;
    QTcpSocket socket_;
};

struct Figures {
    std::mutex lock;
    std::vector<double> rollMs;
    std::vector<double> uploadMs;
    std::vector<double> allMs;
    std::atomic<int> failures{0};

    void add(std::vector<double>& to, double ms) {
        const std::lock_guard<std::mutex> held(lock);
        to.push_back(ms);
        if (&to != &allMs)
            allMs.push_back(ms);
    }
};

double percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// The server's resident memory now and at its peak, in MB.
std::pair<double, double> residentMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    double now = 0;
    double peak = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n')) {
            const double kb = line.simplified().split(' ').value(1).toDouble();
            if (line.startsWith("VmRSS:"))
                now = kb / 1024;
            else if (line.startsWith("VmHWM:"))
                peak = kb / 1024;
        }
    return {now, peak};
}

struct Game {
    GameId id = GameId::generate();
    QByteArray path;
    std::array<QByteArray, 2> tokens;
    int turn = 1;
};

QByteArray turnFile(const Game& game, int turn, const std::vector<QJsonObject>& rolls) {
    MoveFileContents contents = newGameContents();
    KorvaExtension block;
    block.gameId = game.id;
    block.turn = TurnRecord{turn / 2 + 1, turn % 2 != 0 ? Side::Second : Side::First, Side::First};
    std::vector<WitnessedRoll> witnessed;
    for (const QJsonObject& roll : rolls) {
        witnessed.push_back(witnessrecord::decode(
            QByteArray::fromBase64(roll.value(QStringLiteral("record")).toString().toLatin1())));
        contents.tags.push_back({hexgrid::hexPosition(witnessed.back().hex),
                                 std::int32_t(witnessed.back().die), "attack"});
    }
    block.witnessedRolls = witnessed;
    return encodeMoveFile(contents) + encodeKorvaExtension(block);
}

// Registers the two players of a new game, creates it and joins it.
bool startGame(Connection& connection, Game& game, Figures& figures) {
    for (QByteArray& token : game.tokens) {
        QElapsedTimer clock;
        clock.start();
        token = connection.call("POST", "/players", {{QStringLiteral("name"), QStringLiteral("P")}})
                    .body.value(QStringLiteral("token"))
                    .toString()
                    .toLatin1();
        figures.add(figures.allMs, double(clock.nsecsElapsed()) / 1e6);
    }
    game.path = "/games/" + game.id.toHex().toLatin1();
    const Answer made =
        connection.call("POST", "/games",
                        {{QStringLiteral("game"), game.id.toHex()},
                         {QStringLiteral("name"), QStringLiteral("Salerno")},
                         {QStringLiteral("side"), 0},
                         {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                              {QStringLiteral("toMove"), 0},
                                                              {QStringLiteral("movesFirst"), 0}}}},
                        game.tokens[0]);
    return connection
               .call("POST", "/games/join",
                     {{QStringLiteral("invite"), made.body.value(QStringLiteral("invite"))}},
                     game.tokens[1])
               .status == 200;
}

// Plays one turn: its rolls, then the upload of its file.
bool playTurn(Connection& connection, Game& game, int rolls, Figures& figures) {
    const QByteArray& token = game.tokens[std::size_t((game.turn - 1) % 2)];
    std::vector<QJsonObject> records;
    for (int number = 1; number <= rolls; ++number) {
        QElapsedTimer clock;
        clock.start();
        const Answer rolled =
            connection.call("POST", game.path + "/rolls",
                            {{QStringLiteral("turn"), game.turn},
                             {QStringLiteral("number"), number},
                             {QStringLiteral("hex"), 300},
                             {QStringLiteral("comment"), QStringLiteral("YXR0YWNr")}},
                            token);
        figures.add(figures.rollMs, double(clock.nsecsElapsed()) / 1e6);
        if (rolled.status != 201)
            return false;
        records.push_back(rolled.body);
    }
    const QByteArray file = turnFile(game, game.turn, records);
    QElapsedTimer clock;
    clock.start();
    const Answer taken =
        connection.call("POST", game.path + "/turns",
                        {{QStringLiteral("file"), QString::fromLatin1(file.toBase64())}}, token);
    figures.add(figures.uploadMs, double(clock.nsecsElapsed()) / 1e6);
    ++game.turn;
    if (taken.status != 201)
        std::fprintf(stderr, "upload refused: %d %s\n", taken.status,
                     qPrintable(taken.body.value(QStringLiteral("error")).toString()));
    return taken.status == 201;
}

struct Run {
    double seconds = 0;
    Figures figures;
    double peakMb = 0;
};

// `clients` threads share out the work items 0..count-1 until done or out of time.
template <typename Work>
void runClients(int clients, int count, double limitSeconds, quint16 port, Run& run, Work work) {
    std::atomic<int> nextItem{0};
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c)
        threads.emplace_back([&] {
            Connection connection(port);
            for (int item;
                 (item = nextItem++) < count && double(clock.elapsed()) < limitSeconds * 1000;)
                if (!work(connection, item))
                    ++run.figures.failures;
        });
    for (std::thread& thread : threads)
        thread.join();
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char* argv[]) {
    TemporaryHome home;
    QCoreApplication app(argc, argv);
    QString program = QStringLiteral(KORVA_SERVER_PATH);
    double limitSeconds = 600;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (QByteArray(argv[i]) == "--server")
            program = QString::fromLocal8Bit(argv[i + 1]);
        else if (QByteArray(argv[i]) == "--seconds")
            limitSeconds = QByteArray(argv[i + 1]).toDouble();
    }
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("data"));
    if (QProcess::execute(program, {QStringLiteral("--init"), data}) != 0)
        return 1;
    QProcess server;
    // The request log goes to a file, as the journal would take it.
    const QString log = folder.filePath(QStringLiteral("server.log"));
    server.setStandardErrorFile(log);
    // Every client comes from one address here; a club's come from many.
    server.start(program,
                 {QStringLiteral("--data"), data, QStringLiteral("--listen"),
                  QStringLiteral("127.0.0.1:0"), QStringLiteral("--limit"),
                  QStringLiteral("registrations_per_hour=100000"), QStringLiteral("--limit"),
                  QStringLiteral("connections_per_address=200")});
    QByteArray said;
    for (int tries = 0; tries < 100 && !said.contains('\n'); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        QFile read(log);
        if (read.open(QIODevice::ReadOnly))
            said = read.readAll();
    }
    const auto port =
        quint16(said.mid(said.indexOf("127.0.0.1:") + 10).split(' ').first().toUInt());
    if (port == 0)
        return 1;
    std::printf("korva-server on 127.0.0.1:%u, %s\n", unsigned(port), qPrintable(data));
    // 1. 200 games, 20 clients, 10 turns of 5 rolls.
    std::vector<Game> small(200);
    Run first;
    runClients(20, 200, limitSeconds, port, first, [&](Connection& connection, int item) {
        Game& game = small[std::size_t(item)];
        if (!startGame(connection, game, first.figures))
            return false;
        for (int turn = 0; turn < 10; ++turn)
            if (!playTurn(connection, game, 5, first.figures))
                return false;
        return true;
    });
    first.peakMb = residentMb(server.processId()).second;
    std::printf("200 games, 20 clients, 10 turns of 5 rolls: %.1f s, %d failed\n"
                "  rolls %zu, %.0f/s, p50 %.2f ms, p99 %.2f ms; uploads %zu, %.0f/s, p99 %.2f "
                "ms; server peak RSS %.1f MB\n",
                first.seconds, first.figures.failures.load(), first.figures.rollMs.size(),
                double(first.figures.rollMs.size()) / first.seconds,
                percentile(first.figures.rollMs, 0.5), percentile(first.figures.rollMs, 0.99),
                first.figures.uploadMs.size(),
                double(first.figures.uploadMs.size()) / first.seconds,
                percentile(first.figures.uploadMs, 0.99), first.peakMb);

    // 2. 1,000 games, 50 clients, 2 turns of 5 rolls.
    std::vector<Game> many(1000);
    Run second;
    runClients(50, 1000, limitSeconds, port, second, [&](Connection& connection, int item) {
        Game& game = many[std::size_t(item)];
        return startGame(connection, game, second.figures) &&
               playTurn(connection, game, 5, second.figures) &&
               playTurn(connection, game, 5, second.figures);
    });
    second.peakMb = residentMb(server.processId()).second;
    std::printf("1,000 games, 50 clients, 2 turns of 5 rolls: %.1f s, %d failed, %zu requests, "
                "%.0f/s, p50 %.2f ms, p99 %.2f ms; rolls p99 %.2f ms; server peak RSS %.1f MB\n",
                second.seconds, second.figures.failures.load(), second.figures.allMs.size(),
                double(second.figures.allMs.size()) / second.seconds,
                percentile(second.figures.allMs, 0.5), percentile(second.figures.allMs, 0.99),
                percentile(second.figures.rollMs, 0.99), second.peakMb);

    // 3. The soak: 20,000 requests over the 1,000 games, a roll in four.
    Run soak;
    const double startMb = residentMb(server.processId()).first;
    std::vector<std::atomic<int>> nextRoll(1000);
    for (std::atomic<int>& number : nextRoll)
        number = 1;
    runClients(50, 20000, limitSeconds, port, soak, [&](Connection& connection, int item) {
        Game& game = many[std::size_t(item) % 1000];
        const QByteArray& token = game.tokens[std::size_t((game.turn - 1) % 2)];
        QElapsedTimer clock;
        clock.start();
        int status = 0;
        switch (item / 1000 % 4) {
        case 0:
            status = connection.call("GET", "/games", {}, token).status;
            break;
        case 1:
            status = connection.call("GET", game.path, {}, token).status;
            break;
        case 2:
            status = connection.call("GET", game.path + "/rolls", {}, token).status;
            break;
        default:
            status = connection
                         .call("POST", game.path + "/rolls",
                               {{QStringLiteral("turn"), game.turn},
                                {QStringLiteral("number"), nextRoll[std::size_t(item) % 1000]++},
                                {QStringLiteral("hex"), 300},
                                {QStringLiteral("comment"), QStringLiteral("YXR0YWNr")}},
                               token)
                         .status;
        }
        soak.figures.add(soak.figures.allMs, double(clock.nsecsElapsed()) / 1e6);
        return status == 200 || status == 201;
    });
    const auto [endMb, peakMb] = residentMb(server.processId());
    std::printf("soak of 20,000 requests, 50 clients: %.1f s, %d failed, %zu answered, %.0f/s, "
                "p50 %.2f ms, p99 %.2f ms; server RSS %.1f MB at its start, %.1f MB at its end, "
                "peak %.1f MB\n",
                soak.seconds, soak.figures.failures.load(), soak.figures.allMs.size(),
                double(soak.figures.allMs.size()) / soak.seconds,
                percentile(soak.figures.allMs, 0.5), percentile(soak.figures.allMs, 0.99), startMb,
                endMb, peakMb);
    server.terminate();
    server.waitForFinished();
    return 0;
}
