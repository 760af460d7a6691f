#include "netplay/witnesschain.h"

#include <QCryptographicHash>

#include <sodium.h>

#include <stdexcept>

namespace {

void needSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

} // namespace

QByteArray witnesschain::chainHash(const WitnessedRoll& roll) {
    return QCryptographicHash::hash(witnessrecord::encode(roll), QCryptographicHash::Sha256);
}

QByteArray witnesschain::commentHash(const std::string& comment) {
    return QCryptographicHash::hash(QByteArrayView(comment.data(), qsizetype(comment.size())),
                                    QCryptographicHash::Sha256);
}

void witnesschain::sign(WitnessedRoll& roll, const QByteArray& secretKey) {
    needSodium();
    if (secretKey.size() != kSecretKeySize)
        throw std::invalid_argument("an Ed25519 secret key has 64 bytes");
    const QByteArray message = witnessrecord::signedBytes(roll);
    roll.signature = QByteArray(WitnessedRoll::kSignatureSize, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(roll.signature.data()), nullptr,
                         bytesOf(message), std::size_t(message.size()), bytesOf(secretKey));
}

bool witnesschain::signatureValid(const WitnessedRoll& roll, const QByteArray& publicKey) {
    needSodium();
    if (publicKey.size() != kPublicKeySize ||
        roll.signature.size() != WitnessedRoll::kSignatureSize)
        return false;
    const QByteArray message = witnessrecord::signedBytes(roll);
    return crypto_sign_verify_detached(bytesOf(roll.signature), bytesOf(message),
                                       std::size_t(message.size()), bytesOf(publicKey)) == 0;
}

QString witnesschain::fingerprint(const QByteArray& publicKey) {
    return QString::fromLatin1(publicKey.toHex());
}

std::optional<QByteArray> witnesschain::keyOfFingerprint(const QString& fingerprint) {
    QString digits = fingerprint;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char(':'));
    if (digits.size() != 2 * kPublicKeySize)
        return std::nullopt;
    for (const QChar c : digits)
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return std::nullopt;
    return QByteArray::fromHex(digits.toLatin1());
}
