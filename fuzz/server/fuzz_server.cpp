// The server's handling of requests from anyone: arbitrary bytes as a connection's stream,
// framed as the connection guard frames them, then read as HTTP requests into the routes
// of a real server (its SQLite file, its key) holding one game of two players. Nothing may
// crash, no request may fail the server (500), and the framing must come to the same
// verdict however the bytes are cut into reads.
#include "server/credentials.h"
#include "server/limits.h"
#include "server/referee.h"
#include "server/requestframing.h"
#include "server/routes.h"
#include "server/store.h"
#include "server/witness.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Server {
    std::unique_ptr<Witness> witness;
    std::unique_ptr<Store> store;
    std::unique_ptr<Referee> referee;
    std::unique_ptr<Routes> routes;
    QByteArray alice;
    QByteArray bob;
    QByteArray game = "0123456789abcdef0123456789abcdef";
};

// A new server over an empty folder: Alice and Bob, and their game, Alice to move.
// In memory where the machine has it: the fuzzer writes to the database often.
const QString& folder() {
    static const QString path =
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                   : QDir::tempPath()) +
        QStringLiteral("/korva-fuzz-server-%1").arg(QCoreApplication::applicationPid());
    return path;
}

std::unique_ptr<Server> makeServer() {
    QDir(folder()).removeRecursively();
    Witness::makeKey(folder());
    auto s = std::make_unique<Server>();
    s->witness = std::make_unique<Witness>(folder());
    s->store = std::make_unique<Store>(folder(), true);
    s->referee = std::make_unique<Referee>(*s->store, *s->witness);
    ServerLimits limits;
    limits.rollsPerMinute = 1'000'000;
    s->routes = std::make_unique<Routes>(*s->referee, limits);
    const auto token = [&](const char* who) {
        return s->referee->registerPlayer({{QStringLiteral("name"), QLatin1String(who)}})
            .body.value(QStringLiteral("token"))
            .toString()
            .toLatin1();
    };
    s->alice = token("Alice");
    s->bob = token("Bob");
    const Outcome made = s->referee->createGame(
        1, {{QStringLiteral("game"), QString::fromLatin1(s->game)},
            {QStringLiteral("name"), QStringLiteral("Salerno")},
            {QStringLiteral("side"), 0},
            {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                 {QStringLiteral("toMove"), 0},
                                                 {QStringLiteral("movesFirst"), 0}}}});
    s->referee->join(2, {{QStringLiteral("invite"), made.body.value(QStringLiteral("invite"))}});
    return s;
}

// The server, made anew every few thousand inputs, so that what they stored stays small
// and the fuzzer's pace does not fall as the database grows.
Server& server() {
    // Made before the server, so that it is gone after it at exit.
    static int argc = 1;
    static char name[] = "fuzz_server";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static std::unique_ptr<Server> current;
    static int inputs = 0;
    if (!current || ++inputs % 4096 == 0) {
        current.reset();
        current = makeServer();
    }
    // Gone at exit before Qt's own globals, which the first server brought up.
    static const bool released = std::atexit([] {
                                     current.reset();
                                     QDir(folder()).removeRecursively();
                                 }) == 0;
    (void)released;
    return *current;
}

// The requests of a stream, read as Qt's parser would take them whole: the request line,
// the headers, a body of Content-Length bytes.
std::vector<Request> requestsOf(const QByteArray& stream) {
    std::vector<Request> requests;
    qsizetype at = 0;
    while (requests.size() < 8) {
        const qsizetype end = stream.indexOf("\r\n\r\n", at);
        if (end < 0)
            break;
        const QList<QByteArray> lines = stream.sliced(at, end - at).split('\n');
        const QList<QByteArray> first = lines.first().trimmed().split(' ');
        Request request;
        request.method = first.value(0);
        request.path = QUrl(QString::fromLatin1(first.value(1))).path();
        request.address = QStringLiteral("192.0.2.1");
        qint64 length = 0;
        for (const QByteArray& line : lines.sliced(1)) {
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.sliced(colon + 1).trimmed();
            if (name == "content-length")
                length = qBound<qint64>(0, value.toLongLong(), stream.size());
            else if (name == "authorization" && value.startsWith("Bearer "))
                request.token = value.sliced(7);
        }
        at = end + 4;
        request.body = stream.mid(at, length);
        at += request.body.size();
        requests.push_back(request);
    }
    return requests;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Server& s = server();
    QByteArray stream(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    stream.replace("$A", s.alice).replace("$B", s.bob).replace("$G", s.game);

    // The same verdict whether the stream comes whole or in reads of a few bytes.
    RequestFraming whole(4096, 1 << 20);
    RequestFraming cut(4096, 1 << 20);
    const RequestFraming::Verdict verdict = whole.feed(stream);
    RequestFraming::Verdict piecewise = RequestFraming::Verdict::Fine;
    for (qsizetype at = 0, step = 1; at < stream.size(); at += step, step = step % 7 + 1)
        piecewise = cut.feed(QByteArrayView(stream).sliced(at, qMin(step, stream.size() - at)));
    if (verdict != piecewise || whole.stage() != cut.stage())
        __builtin_trap();
    if (verdict != RequestFraming::Verdict::Fine)
        return 0;

    for (const Request& request : requestsOf(stream)) {
        const Reply reply = s.routes->handle(request);
        if (reply.status >= 500 || reply.status < 200 || reply.route.isEmpty())
            __builtin_trap();
        // A token is answered only to the one registering; no other answer holds one.
        const QByteArray answer = QJsonDocument(reply.body).toJson();
        if (reply.route != QLatin1String("POST /players") &&
            (answer.contains(s.alice.sliced(s.alice.indexOf('.') + 1)) ||
             answer.contains(s.bob.sliced(s.bob.indexOf('.') + 1))))
            __builtin_trap();
    }
    return 0;
}
