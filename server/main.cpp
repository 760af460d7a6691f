#include "server/connectionguard.h"
#include "server/httpfront.h"
#include "server/limits.h"
#include "server/pushchannel.h"
#include "server/referee.h"
#include "server/routes.h"
#include "server/store.h"
#include "server/witness.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>

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

int backup(const QString& folder, const QString& file) {
    Store store(folder, false);
    store.backup(file);
    std::printf("Backed up the database of %s to %s.\n", qPrintable(folder), qPrintable(file));
    return 0;
}

// Puts a backup in as the database of a folder that has none, and brings it up to this
// server's schema.
int restore(const QString& folder, const QString& file) {
    Store::check(file);
    const QString target = QDir(folder).filePath(QLatin1String(Store::kFileName));
    if (QFile::exists(target))
        throw StoreError(QStringLiteral("%1 holds a database already; restore into a new folder")
                             .arg(folder)
                             .toStdString());
    if (!QDir().mkpath(folder) || !QFile::copy(file, target))
        throw StoreError(QStringLiteral("cannot write %1").arg(target).toStdString());
    { Store store(folder, false); }
    std::printf("Restored %s into %s.\n", qPrintable(file), qPrintable(folder));
    if (!QFile::exists(QDir(folder).filePath(QLatin1String(Witness::kKeyFile))))
        std::printf("Copy the server's %s into %s before starting it there.\n", Witness::kKeyFile,
                    qPrintable(folder));
    return 0;
}

std::optional<QSslConfiguration> tlsConfiguration(const QString& certificate,
                                                  const QString& keyFile) {
    QFile read(keyFile);
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(certificate);
    if (chain.isEmpty() || !read.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "korva-server: cannot read the certificate %s or the key %s\n",
                     qPrintable(certificate), qPrintable(keyFile));
        return std::nullopt;
    }
    const QByteArray pem = read.readAll();
    QSslKey key;
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa})
        if (key = QSslKey(pem, algorithm); !key.isNull())
            break;
    if (key.isNull()) {
        std::fprintf(stderr, "korva-server: %s holds no private key in PEM\n", qPrintable(keyFile));
        return std::nullopt;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

struct RunOptions {
    QString folder;
    QString listen;
    QStringList limits;
    QString certificate;
    QString key;
};

int run(const RunOptions& options) {
    const qsizetype colon = options.listen.lastIndexOf(QLatin1Char(':'));
    bool portRead = false;
    const uint port = colon > 0 ? options.listen.mid(colon + 1).toUInt(&portRead) : 0;
    QHostAddress host(options.listen.left(colon).remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    if (!portRead || port > 65535 || host.isNull()) {
        std::fprintf(stderr, "korva-server: --listen takes HOST:PORT, such as 127.0.0.1:8080\n");
        return 2;
    }
    QString wrong;
    const ServerLimits limits = ServerLimits::read(options.folder, options.limits, &wrong);
    if (!wrong.isEmpty()) {
        std::fprintf(stderr, "korva-server: %s\n", qPrintable(wrong));
        return 2;
    }
    if (options.certificate.isEmpty() != options.key.isEmpty()) {
        std::fprintf(stderr, "korva-server: --tls-cert and --tls-key go together\n");
        return 2;
    }
    const Witness witness(options.folder);
    Store store(options.folder, false, limits.busyTimeoutMs);
    Referee referee(store, witness);
    Routes routes(referee, limits);
    PushChannel* push = nullptr;
    HttpFront http(routes, [&push](const Reply& reply) { push->tell(reply.tell, reply.event); });
    PushChannel channel(http,
                        [&referee](QByteArrayView token) { return referee.authenticate(token); });
    push = &channel;

    const auto guard = std::make_shared<ConnectionGuard>(limits);
    QTcpServer* listener = nullptr;
    if (!options.certificate.isEmpty()) {
        const std::optional<QSslConfiguration> tls =
            tlsConfiguration(options.certificate, options.key);
        if (!tls)
            return 2;
        auto* secure = new GuardedSslServer(guard);
        secure->setSslConfiguration(*tls);
        secure->setHandshakeTimeout(int(limits.headerTimeoutSeconds * 1000));
        listener = secure;
    } else {
        listener = new GuardedTcpServer(guard);
    }
    listener->setParent(&http);
    if (!listener->listen(host, quint16(port))) {
        std::fprintf(stderr, "korva-server: cannot listen on %s\n", qPrintable(options.listen));
        return 1;
    }
    http.bind(listener);
    std::fprintf(stderr, "korva-server listening on %s:%u (%s), key %s\n",
                 qPrintable(host.toString()), unsigned(listener->serverPort()),
                 options.certificate.isEmpty() ? "http" : "https",
                 qPrintable(witness.fingerprint()));
    return QCoreApplication::exec();
}

QString limitsHelp() {
    QString text = QStringLiteral("Limits (korva-server.conf in the data folder, [limits], or "
                                  "--limit NAME=VALUE):\n");
    const ServerLimits defaults;
    for (const ServerLimits::Entry& entry : ServerLimits::entries())
        text += QStringLiteral("  %1 = %2: %3\n")
                    .arg(QLatin1String(entry.name))
                    .arg(defaults.*entry.value)
                    .arg(QLatin1String(entry.meaning));
    return text;
}

// The command line's options.
struct Options {
    QCommandLineOption init{QStringLiteral("init"),
                            QStringLiteral("Make the database and signing key in <dir>."),
                            QStringLiteral("dir")};
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("Serve the games kept in <dir>."),
                            QStringLiteral("dir")};
    QCommandLineOption listen{QStringLiteral("listen"),
                              QStringLiteral("Listen on <host:port> (port 0: any free one)."),
                              QStringLiteral("host:port"), QStringLiteral("127.0.0.1:8080")};
    QCommandLineOption limit{QStringLiteral("limit"),
                             QStringLiteral("Set one limit, over the data folder's file."),
                             QStringLiteral("name=value")};
    QCommandLineOption cert{QStringLiteral("tls-cert"),
                            QStringLiteral("Speak HTTPS with this certificate chain (PEM)."),
                            QStringLiteral("file")};
    QCommandLineOption key{QStringLiteral("tls-key"),
                           QStringLiteral("The certificate's private key (PEM)."),
                           QStringLiteral("file")};
    QCommandLineOption backup{
        QStringLiteral("backup"),
        QStringLiteral("Copy the database of --data to <file>, while the server runs."),
        QStringLiteral("file")};
    QCommandLineOption initIfEmpty{
        QStringLiteral("init-if-empty"),
        QStringLiteral("With --data: make the database and key first when the folder holds "
                       "neither (as a service's first start does).")};
    QCommandLineOption restore{
        QStringLiteral("restore"),
        QStringLiteral("Make <file>, a backup, the database of --data, a folder without one."),
        QStringLiteral("file")};

    // In the order --help lists them.
    QList<QCommandLineOption> all() const {
        return {init, data, listen, limit, cert, key, backup, restore, initIfEmpty};
    }
};

// A service's first start: the database and key, unless the folder holds either.
void makeIfEmpty(const QString& folder) {
    const QDir data(folder);
    if (data.exists(QLatin1String(Store::kFileName)) ||
        data.exists(QLatin1String(Witness::kKeyFile)))
        return;
    Witness::makeKey(folder);
    const Store made(folder, true);
    std::fprintf(stderr, "korva-server: made the database and signing key in %s\n",
                 qPrintable(folder));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korva-server"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Carries the turns of Korva games and witnesses every die.\n\n") +
        limitsHelp());
    parser.addHelpOption();
    const Options options;
    parser.addOptions(options.all());
    parser.process(app);
    try {
        if (parser.isSet(options.init))
            return init(parser.value(options.init));
        const QString folder = parser.value(options.data);
        if (!folder.isEmpty() && parser.isSet(options.backup))
            return backup(folder, parser.value(options.backup));
        if (!folder.isEmpty() && parser.isSet(options.restore))
            return restore(folder, parser.value(options.restore));
        if (!folder.isEmpty() && parser.isSet(options.initIfEmpty))
            makeIfEmpty(folder);
        if (!folder.isEmpty())
            return run({folder, parser.value(options.listen), parser.values(options.limit),
                        parser.value(options.cert), parser.value(options.key)});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korva-server: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "korva-server: give --init DIR, or --data DIR with --listen "
                         "HOST:PORT, --backup FILE or --restore FILE\n");
    return 2;
}
