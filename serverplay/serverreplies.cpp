#include "serverplay/serverreplies.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <limits>

namespace serverreplies {

namespace {

// The largest file or report a server keeps is 1 MiB; a little more for base64's padding.
constexpr qsizetype kMaxBytes = 1024 * 1024 + 16;
constexpr qsizetype kMaxName = 80;
constexpr int kMaxGames = 10000;

std::optional<QString> text(const QJsonObject& body, const char* field, qsizetype max) {
    const QJsonValue value = body.value(QLatin1String(field));
    if (!value.isString() || value.toString().size() > max)
        return std::nullopt;
    return value.toString();
}

std::optional<int> number(const QJsonObject& body, const char* field, int low, int high) {
    const QJsonValue value = body.value(QLatin1String(field));
    if (!value.isDouble())
        return std::nullopt;
    const double n = value.toDouble();
    if (n != double(int(n)) || n < low || n > high)
        return std::nullopt;
    return int(n);
}

std::optional<Side> side(const QJsonObject& body, const char* field) {
    const std::optional<int> n = number(body, field, 0, 1);
    if (!n)
        return std::nullopt;
    return *n == 0 ? Side::First : Side::Second;
}

std::optional<QByteArray> base64(const QJsonObject& body, const char* field) {
    const std::optional<QString> encoded = text(body, field, kMaxBytes / 3 * 4 + 4);
    if (!encoded)
        return std::nullopt;
    auto decoded = QByteArray::fromBase64Encoding(encoded->toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

std::optional<GameId> gameId(const QJsonObject& body) {
    const std::optional<QString> hex = text(body, "game", 2 * GameId::kSize);
    return hex ? GameId::fromHex(*hex) : std::nullopt;
}

bool isHex(const QString& text, qsizetype size) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]*$"));
    return text.size() == size && hex.match(text).hasMatch();
}

} // namespace

QString oneLine(const QString& text) {
    QString line;
    for (const QChar c : text.left(200))
        line += c.isPrint() ? c : QChar(u' ');
    return line.simplified();
}

std::optional<Registered> registered(const QJsonObject& body) {
    const std::optional<int> player = number(body, "player", 1, std::numeric_limits<int>::max());
    const std::optional<QString> token = text(body, "token", 200);
    static const QRegularExpression tokenShape(QStringLiteral("^[A-Za-z0-9._~+/=-]+$"));
    if (!player || !token || !tokenShape.match(*token).hasMatch())
        return std::nullopt;
    return Registered{*player, token->toLatin1()};
}

std::optional<ServerKey> serverKey(const QJsonObject& body) {
    const std::optional<QString> key = text(body, "publicKey", 64);
    const std::optional<QString> fingerprint = text(body, "fingerprint", 64);
    if (!key || !fingerprint || !isHex(*key, 64) || !isHex(*fingerprint, 64))
        return std::nullopt;
    return ServerKey{QByteArray::fromHex(key->toLatin1()), fingerprint->toLower()};
}

std::optional<ServerGame> game(const QJsonObject& body) {
    const std::optional<GameId> id = gameId(body);
    const std::optional<QString> name = text(body, "name", kMaxName);
    const std::optional<Side> mine = side(body, "side");
    const std::optional<int> turnNumber = number(body, "turn", 1, 1000000);
    const std::optional<Side> toMove = side(body, "toMove");
    const QJsonArray players = body.value(QLatin1String("players")).toArray();
    const QJsonValue yourMove = body.value(QLatin1String("yourMove"));
    const QJsonValue invite = body.value(QLatin1String("invite"));
    if (!id || !name || !mine || !turnNumber || !toMove || players.size() != 2 ||
        !players[0].isString() || !players[1].isString() || !yourMove.isBool() ||
        !(invite.isUndefined() || (invite.isString() && invite.toString().size() <= 64)))
        return std::nullopt;
    return ServerGame{*id,
                      *name,
                      *mine,
                      players[0].toString().left(kMaxName),
                      players[1].toString().left(kMaxName),
                      *turnNumber,
                      *toMove,
                      yourMove.toBool(),
                      invite.toString()};
}

std::optional<QList<ServerGame>> games(const QJsonObject& body) {
    const QJsonValue list = body.value(QLatin1String("games"));
    if (!list.isArray() || list.toArray().size() > kMaxGames)
        return std::nullopt;
    QList<ServerGame> read;
    for (const QJsonValue& each : list.toArray()) {
        const std::optional<ServerGame> one = game(each.toObject());
        if (!one)
            return std::nullopt;
        read.append(*one);
    }
    return read;
}

std::optional<ServerRoll> roll(const QJsonObject& body) {
    const std::optional<QByteArray> record = base64(body, "record");
    const std::optional<int> turnNumber = number(body, "turn", 1, 1000000);
    const std::optional<int> rollNumber = number(body, "number", 1, 1000000);
    const std::optional<int> hex = number(body, "hex", 0, 1000000);
    const std::optional<int> die = number(body, "die", 1, 6);
    const QJsonValue time = body.value(QLatin1String("time"));
    if (!record || record->size() > 4096 || !turnNumber || !rollNumber || !hex || !die ||
        !time.isDouble() || time.toDouble() < 0 || time.toDouble() > 1e15)
        return std::nullopt;
    return ServerRoll{*record, *turnNumber, *rollNumber, *hex, *die, qint64(time.toDouble())};
}

std::optional<QList<ServerRoll>> rolls(const QJsonObject& body) {
    // Far above a game's rolls, and within the largest answer read.
    constexpr qsizetype kMaxRolls = 20000;
    const QJsonValue list = body.value(QLatin1String("rolls"));
    if (!list.isArray() || list.toArray().size() > kMaxRolls)
        return std::nullopt;
    QList<ServerRoll> read;
    for (const QJsonValue& each : list.toArray()) {
        const std::optional<ServerRoll> one = roll(each.toObject());
        if (!one)
            return std::nullopt;
        read.append(*one);
    }
    return read;
}

std::optional<TurnTaken> turnTaken(const QJsonObject& body) {
    const std::optional<GameId> id = gameId(body);
    const std::optional<int> turnNumber = number(body, "turn", 1, 1000000);
    if (!id || !turnNumber)
        return std::nullopt;
    return TurnTaken{*id, *turnNumber};
}

std::optional<ServerTurn> turn(const QJsonObject& body) {
    const std::optional<int> turnNumber = number(body, "turn", 1, 1000000);
    const std::optional<QByteArray> file = base64(body, "file");
    const std::optional<QByteArray> report = base64(body, "report");
    if (!turnNumber || !file || !report)
        return std::nullopt;
    return ServerTurn{*turnNumber, *file, *report};
}

} // namespace serverreplies
