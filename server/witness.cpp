#include "server/witness.h"

#include "netplay/witnesschain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <sodium.h>

namespace {

void needSodium() {
    if (sodium_init() < 0)
        throw WitnessError("libsodium could not be initialised");
}

} // namespace

QString Witness::makeKey(const QString& folder) {
    needSodium();
    if (!QDir().mkpath(folder))
        throw WitnessError(QStringLiteral("cannot make the folder %1").arg(folder).toStdString());
    QFile file(QDir(folder).filePath(QLatin1String(kKeyFile)));
    if (file.exists())
        throw WitnessError(
            QStringLiteral("%1 already holds a key: a server's key is never replaced")
                .arg(folder)
                .toStdString());
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                        reinterpret_cast<unsigned char*>(secretKey.data()));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
                         file.write(secretKey) == secretKey.size() && file.flush();
    sodium_memzero(secretKey.data(), std::size_t(secretKey.size()));
    if (!written) {
        file.remove();
        throw WitnessError(QStringLiteral("cannot write %1: %2")
                               .arg(file.fileName(), file.errorString())
                               .toStdString());
    }
    return witnesschain::fingerprint(publicKey);
}

Witness::Witness(const QString& folder) {
    needSodium();
    QFile file(QDir(folder).filePath(QLatin1String(kKeyFile)));
    if (!file.open(QIODevice::ReadOnly))
        throw WitnessError(QStringLiteral("cannot read the key %1 (was the folder made with "
                                          "--init?): %2")
                               .arg(file.fileName(), file.errorString())
                               .toStdString());
    secretKey_ = file.read(crypto_sign_SECRETKEYBYTES + 1);
    if (secretKey_.size() != crypto_sign_SECRETKEYBYTES)
        throw WitnessError(
            QStringLiteral("the key %1 is damaged").arg(file.fileName()).toStdString());
    publicKey_ = QByteArray(crypto_sign_PUBLICKEYBYTES, '\0');
    crypto_sign_ed25519_sk_to_pk(reinterpret_cast<unsigned char*>(publicKey_.data()),
                                 reinterpret_cast<const unsigned char*>(secretKey_.constData()));
}

Witness::~Witness() {
    sodium_memzero(secretKey_.data(), std::size_t(secretKey_.size()));
}

std::uint32_t Witness::drawDie() {
    return randombytes_uniform(6) + 1;
}

WitnessedRoll Witness::witness(WitnessedRoll roll) const {
    roll.die = drawDie();
    roll.timeMs = QDateTime::currentMSecsSinceEpoch();
    witnesschain::sign(roll, secretKey_);
    return roll;
}

QString Witness::fingerprint() const {
    return witnesschain::fingerprint(publicKey_);
}
