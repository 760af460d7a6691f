#include "server/credentials.h"

#include <QCryptographicHash>

#include <sodium.h>

namespace {

QByteArray hashOf(const QByteArray& secret) {
    return QCryptographicHash::hash(secret, QCryptographicHash::Sha256);
}

} // namespace

credentials::NewToken credentials::makeToken() {
    QByteArray secret(kTokenBytes, '\0');
    randombytes_buf(secret.data(), std::size_t(secret.size()));
    return {secret, hashOf(secret)};
}

QByteArray credentials::tokenText(qint64 player, const QByteArray& secret) {
    return QByteArray::number(player) + '.' +
           secret.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::optional<credentials::PresentedToken> credentials::readToken(QByteArrayView text) {
    const qsizetype dot = text.indexOf('.');
    if (dot <= 0 || dot > 18)
        return std::nullopt;
    bool number = false;
    const qint64 player = text.first(dot).toLongLong(&number);
    const auto decoded = QByteArray::fromBase64Encoding(
        text.sliced(dot + 1).toByteArray(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!number || player <= 0 || !decoded || decoded.decoded.size() != kTokenBytes)
        return std::nullopt;
    return PresentedToken{player, hashOf(decoded.decoded)};
}

bool credentials::sameHash(const QByteArray& kept, const QByteArray& presented) {
    return kept.size() == presented.size() &&
           sodium_memcmp(kept.constData(), presented.constData(), std::size_t(kept.size())) == 0;
}

QString credentials::makeInvite() {
    static constexpr char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < kInviteLength; ++i)
        code += QLatin1Char(kLetters[randombytes_uniform(sizeof(kLetters) - 1)]);
    return code;
}
