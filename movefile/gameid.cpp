#include "movefile/gameid.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <algorithm>

GameId GameId::generate() {
    Bytes bytes{};
    do {
        std::array<quint32, kSize / 4> words{};
        QRandomGenerator::system()->fillRange(words.data(), words.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
    } while (!fromBytes(bytes));
    return GameId(bytes);
}

std::optional<GameId> GameId::fromBytes(const Bytes& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }))
        return std::nullopt;
    return GameId(bytes);
}

std::optional<GameId> GameId::fromHex(const QString& hex) {
    if (hex.size() != 2 * kSize)
        return std::nullopt;
    for (const QChar c : hex)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return std::nullopt;
    const QByteArray raw = QByteArray::fromHex(hex.toLatin1());
    Bytes bytes{};
    std::copy(raw.begin(), raw.end(), bytes.begin());
    return fromBytes(bytes);
}

QString GameId::toHex() const {
    const QByteArray raw(reinterpret_cast<const char*>(bytes_.data()), kSize);
    return QString::fromLatin1(raw.toHex());
}
