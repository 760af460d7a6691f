#include "serverplay/outboxentry.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace outboxentry {

namespace {

constexpr int kFormat = 1;

QString checksum(const OutboxEntry& entry) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(entry.server.toString().toUtf8());
    hash.addData(entry.game.toHex().toLatin1());
    hash.addData(QByteArray::number(entry.move));
    hash.addData(entry.file);
    hash.addData(entry.report);
    return QString::fromLatin1(hash.result().toHex());
}

std::optional<QByteArray> fromBase64(const QJsonValue& value) {
    if (!value.isString())
        return std::nullopt;
    auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

} // namespace

QByteArray encode(const OutboxEntry& entry) {
    const QJsonObject object{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("server"), entry.server.toString()},
        {QStringLiteral("game"), entry.game.toHex()},
        {QStringLiteral("move"), entry.move},
        {QStringLiteral("name"), entry.gameName},
        {QStringLiteral("since"), entry.since.toMSecsSinceEpoch()},
        {QStringLiteral("file"), QString::fromLatin1(entry.file.toBase64())},
        {QStringLiteral("report"), QString::fromLatin1(entry.report.toBase64())},
        {QStringLiteral("lastError"), entry.lastError},
        {QStringLiteral("refused"), entry.refused},
        {QStringLiteral("checksum"), checksum(entry)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<OutboxEntry> decode(const QByteArray& bytes) {
    if (bytes.size() > kMaxEntryBytes)
        return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    const std::optional<GameId> game = GameId::fromHex(o.value(QStringLiteral("game")).toString());
    const std::optional<QByteArray> file = fromBase64(o.value(QStringLiteral("file")));
    const std::optional<QByteArray> report = fromBase64(o.value(QStringLiteral("report")));
    const QUrl server(o.value(QStringLiteral("server")).toString(), QUrl::StrictMode);
    const int move = o.value(QStringLiteral("move")).toInt(0);
    if (o.value(QStringLiteral("format")).toInt() != kFormat || !game || !file || !report ||
        !server.isValid() || move < 1 || !o.value(QStringLiteral("since")).isDouble())
        return std::nullopt;
    OutboxEntry entry{server,
                      *game,
                      move,
                      o.value(QStringLiteral("name")).toString(),
                      QDateTime::fromMSecsSinceEpoch(
                          qint64(o.value(QStringLiteral("since")).toDouble()), Qt::UTC),
                      *file,
                      *report,
                      o.value(QStringLiteral("lastError")).toString(),
                      o.value(QStringLiteral("refused")).toBool()};
    if (o.value(QStringLiteral("checksum")).toString() != checksum(entry))
        return std::nullopt;
    return entry;
}

QString fileName(const GameId& game, int move) {
    return QStringLiteral("%1-%2.upload").arg(game.toHex()).arg(move);
}

} // namespace outboxentry
