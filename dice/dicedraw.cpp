#include "dice/dicedraw.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

#include <array>

namespace {

QByteArray le32(std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

} // namespace

QByteArray dicedraw::sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray dicedraw::commitmentOf(const QByteArray& secret) {
    return sha256(secret);
}

QByteArray dicedraw::newSecret() {
    std::array<quint32, kSecretSize / 4> words{};
    QRandomGenerator::system()->generate(words.begin(), words.end());
    return QByteArray(reinterpret_cast<const char*>(words.data()), kSecretSize);
}

namespace {

int drawFrom(const QByteArray& secret, const QByteArray& message) {
    for (std::uint32_t round = 0;; ++round) {
        const QByteArray mac = QMessageAuthenticationCode::hash(
            round == 0 ? message : message + le32(round), secret, QCryptographicHash::Sha256);
        // 252 is the largest multiple of 6 a byte holds: below it every face has 42 values.
        for (const char c : mac) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 252)
                return byte % 6 + 1;
        }
    }
}

} // namespace

int dicedraw::drawDie(const QByteArray& secret, const QByteArray& openedHash,
                      std::uint32_t number) {
    return drawFrom(secret, openedHash + le32(number));
}

int dicedraw::drawDieForCombat(const QByteArray& secret, const QByteArray& openedHash,
                               std::uint32_t number, int hex) {
    return drawFrom(secret, openedHash + le32(number) + le32(static_cast<std::uint32_t>(hex)));
}
