#include "server/httpfront.h"
#include "server/pushchannel.h"
#include "server/referee.h"
#include "server/routes.h"
#include "server/store.h"
#include "server/witness.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>

#include <cstdio>

namespace {

int init(const QString& folder) {
    // The key first: a folder that holds one is refused before anything is made there.
    const QString fingerprint = Witness::makeKey(folder);
    Store store(folder, true);
    std::printf("Made the server's database and signing key in %s.\n"
                "Give the players this fingerprint of the server's key:\n%s\n",
                qPrintable(folder), qPrintable(fingerprint));
    return 0;
}

int run(const QString& folder, const QString& listen) {
    const qsizetype colon = listen.lastIndexOf(QLatin1Char(':'));
    bool portRead = false;
    const uint port = colon > 0 ? listen.mid(colon + 1).toUInt(&portRead) : 0;
    QHostAddress host(listen.left(colon).remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    if (!portRead || port > 65535 || host.isNull()) {
        std::fprintf(stderr, "korva-server: --listen takes HOST:PORT, such as 127.0.0.1:8080\n");
        return 2;
    }
    const Witness witness(folder);
    Store store(folder, false);
    Referee referee(store, witness);
    Routes routes(referee);
    PushChannel* push = nullptr;
    HttpFront http(routes, [&push](const Reply& reply) { push->tell(reply.tell, reply.event); });
    PushChannel channel(http,
                        [&referee](QByteArrayView token) { return referee.authenticate(token); });
    push = &channel;
    const quint16 bound = http.listen(host, quint16(port));
    if (bound == 0) {
        std::fprintf(stderr, "korva-server: cannot listen on %s\n", qPrintable(listen));
        return 1;
    }
    std::fprintf(stderr, "korva-server listening on %s:%u, key %s\n", qPrintable(host.toString()),
                 unsigned(bound), qPrintable(witness.fingerprint()));
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korva-server"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Carries the turns of Korva games and witnesses every die."));
    parser.addHelpOption();
    const QCommandLineOption initOption(
        QStringLiteral("init"), QStringLiteral("Make the database and signing key in <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Serve the games kept in <dir>."),
                                        QStringLiteral("dir"));
    const QCommandLineOption listenOption(
        QStringLiteral("listen"), QStringLiteral("Listen on <host:port> (port 0: any free one)."),
        QStringLiteral("host:port"), QStringLiteral("127.0.0.1:8080"));
    parser.addOptions({initOption, dataOption, listenOption});
    parser.process(app);
    try {
        if (parser.isSet(initOption))
            return init(parser.value(initOption));
        if (parser.isSet(dataOption))
            return run(parser.value(dataOption), parser.value(listenOption));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korva-server: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "korva-server: give --init DIR or --data DIR [--listen HOST:PORT]\n");
    return 2;
}
