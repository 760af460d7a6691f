#include "serverplay/tokenstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#ifdef KORVA_KEYCHAIN
#include <qt6keychain/keychain.h>
#endif

namespace {

const QString kService = QStringLiteral("Korva");

QByteArray readSmall(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096).trimmed();
}

// Writes the file readable by its owner only, from the first byte on.
QString writePrivate(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.path()))
        return QCoreApplication::translate("TokenStore", "the folder %1 could not be made")
            .arg(info.path());
    QFile::setPermissions(info.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) || file.write(bytes) < 0 ||
        !file.commit())
        return QCoreApplication::translate("TokenStore", "%1 could not be written: %2")
            .arg(path, file.errorString());
    return {};
}

#ifdef KORVA_KEYCHAIN
// A keyring is asked only where a desktop session runs: without a session bus the attempt
// would at best fail slowly, and at worst start a bus of its own.
bool keyringMayAnswer() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// Runs the job to its end, or gives up after a few seconds: a keyring that asks the player to
// unlock it and gets no answer must not hold the program.
bool finishes(QKeychain::Job& job) {
    bool done = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    if (!done)
        loop.exec();
    return done && job.error() == QKeychain::NoError;
}
#endif

std::optional<QByteArray> fromKeyring(const QString& account) {
#ifdef KORVA_KEYCHAIN
    if (keyringMayAnswer()) {
        QKeychain::ReadPasswordJob job(kService);
        job.setKey(account);
        if (finishes(job) && !job.binaryData().isEmpty())
            return job.binaryData();
    }
#else
    Q_UNUSED(account);
#endif
    return std::nullopt;
}

bool intoKeyring(const QString& account, const QByteArray& token) {
#ifdef KORVA_KEYCHAIN
    if (keyringMayAnswer()) {
        QKeychain::WritePasswordJob job(kService);
        job.setKey(account);
        job.setBinaryData(token);
        return finishes(job);
    }
#else
    Q_UNUSED(account);
    Q_UNUSED(token);
#endif
    return false;
}

QString serversFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/servers");
}

} // namespace

TokenStore::TokenStore(const QUrl& server)
    : account_(server.toString(QUrl::StripTrailingSlash)),
      base_(serversFolder() + QLatin1Char('/') +
            QString::fromLatin1(
                QCryptographicHash::hash(account_.toUtf8(), QCryptographicHash::Sha256)
                    .toHex()
                    .left(32))) {}

QString TokenStore::tokenFile() const {
    return base_ + QStringLiteral(".token");
}

QString TokenStore::addressFile() const {
    return base_ + QStringLiteral(".server");
}

QList<QUrl> TokenStore::servers() {
    // The files are named by a hash of the address, so the address is kept beside them.
    QList<QUrl> found;
    const QDir folder(serversFolder());
    for (const QString& name :
         folder.entryList({QStringLiteral("*.server")}, QDir::Files, QDir::Name)) {
        const QUrl server(QString::fromUtf8(readSmall(folder.filePath(name))), QUrl::StrictMode);
        const TokenStore store(server);
        // A file copied under another's name would list one server twice.
        if (server.isValid() && store.addressFile() == folder.filePath(name) && store.token())
            found << server;
    }
    return found;
}

QString TokenStore::pinFile() const {
    return base_ + QStringLiteral(".key");
}

std::optional<QByteArray> TokenStore::token() const {
    if (std::optional<QByteArray> kept = fromKeyring(account_))
        return kept;
    const QByteArray inFile = readSmall(tokenFile());
    if (inFile.isEmpty())
        return std::nullopt;
    return inFile;
}

QString TokenStore::keep(const QByteArray& token) const {
    if (const QString unnamed = writePrivate(addressFile(), account_.toUtf8() + '\n');
        !unnamed.isEmpty())
        return unnamed;
    if (intoKeyring(account_, token)) {
        // One place only: a token left in a file would outlive the keyring's.
        QFile::remove(tokenFile());
        return {};
    }
    return writePrivate(tokenFile(), token + '\n');
}

QString TokenStore::pinnedKey() const {
    return QString::fromLatin1(readSmall(pinFile()));
}

QString TokenStore::pinKey(const QString& fingerprint) const {
    return writePrivate(pinFile(), fingerprint.toLatin1() + '\n');
}

QString TokenStore::certificateFile() const {
    return base_ + QStringLiteral(".certificate");
}

QString TokenStore::pinnedCertificate() const {
    return QString::fromLatin1(readSmall(certificateFile()));
}

QString TokenStore::pinCertificate(const QString& fingerprint) const {
    return writePrivate(certificateFile(), fingerprint.toLatin1() + '\n');
}
