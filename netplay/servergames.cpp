#include "netplay/servergames.h"

#include "base/safesave.h"
#include "netplay/witnesschain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Far more games than anyone plays; a larger file is not the player's.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

std::optional<ServerGameEntry> entryOf(const QJsonObject& object) {
    const std::optional<GameId> game =
        GameId::fromHex(object.value(QStringLiteral("game")).toString());
    const QUrl server(object.value(QStringLiteral("server")).toString(), QUrl::StrictMode);
    const int side = object.value(QStringLiteral("side")).toInt(-1);
    const std::optional<QByteArray> key =
        witnesschain::keyOfFingerprint(object.value(QStringLiteral("key")).toString());
    if (!game || !server.isValid() || server.host().isEmpty() ||
        (server.scheme() != QLatin1String("http") && server.scheme() != QLatin1String("https")) ||
        (side != 0 && side != 1) || !key)
        return std::nullopt;
    return ServerGameEntry{*game, server, side == 0 ? Side::First : Side::Second, *key};
}

QJsonObject objectOf(const ServerGameEntry& entry) {
    return {{QStringLiteral("game"), entry.game.toHex()},
            {QStringLiteral("server"), entry.server.toString()},
            {QStringLiteral("side"), entry.side == Side::First ? 0 : 1},
            {QStringLiteral("key"), witnesschain::fingerprint(entry.publicKey)}};
}

// One server however its address was typed: "http://host/" is "http://host".
QUrl plainAddress(const QUrl& server) {
    QUrl plain = server.adjusted(QUrl::StripTrailingSlash | QUrl::NormalizePathSegments);
    if (plain.path() == QLatin1String("/"))
        plain.setPath({});
    return plain;
}

bool sameEntry(const ServerGameEntry& a, const ServerGameEntry& b) {
    return a.game == b.game && plainAddress(a.server) == plainAddress(b.server) &&
           a.side == b.side && a.publicKey == b.publicKey;
}

} // namespace

ServerGames::ServerGames(QString file) : file_(std::move(file)) {}

QString ServerGames::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/servers/games.json");
}

QString ServerGames::warning() const {
    return warning_;
}

ServerGames::Read ServerGames::read() const {
    Read result;
    QFile in(file_);
    if (!in.exists())
        return result;
    const auto damaged = [&](const QString& why) {
        result.damaged = true;
        result.warning = QCoreApplication::translate(
                             "ServerGames", "The list of your server games %1 was not read: %2")
                             .arg(QDir::toNativeSeparators(file_), why);
        return result;
    };
    if (!QFileInfo(file_).isFile() || !in.open(QIODevice::ReadOnly))
        return damaged(in.errorString());
    if (in.size() > kMaxFileBytes)
        return damaged(
            QCoreApplication::translate("ServerGames", "it is larger than any such list"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    const QJsonValue games = document.object().value(QStringLiteral("games"));
    if (error.error != QJsonParseError::NoError || !games.isArray())
        return damaged(QCoreApplication::translate("ServerGames", "it is damaged"));
    int left = 0;
    for (const QJsonValue& value : games.toArray()) {
        std::optional<ServerGameEntry> entry = entryOf(value.toObject());
        // A game listed twice is taken as first listed, as add() would have kept it.
        if (!entry || std::any_of(result.entries.cbegin(), result.entries.cend(),
                                  [&](const ServerGameEntry& e) { return e.game == entry->game; }))
            ++left;
        else
            result.entries.append(std::move(*entry));
    }
    if (left > 0)
        result.warning = QCoreApplication::translate(
                             "ServerGames",
                             "%1 entries of the list of your server games %2 were damaged and left "
                             "out")
                             .arg(left)
                             .arg(QDir::toNativeSeparators(file_));
    return result;
}

QList<ServerGameEntry> ServerGames::all() const {
    Read result = read();
    warning_ = result.warning;
    return std::move(result.entries);
}

std::optional<ServerGameEntry> ServerGames::find(const GameId& game) const {
    for (const ServerGameEntry& entry : all())
        if (entry.game == game)
            return entry;
    return std::nullopt;
}

QString ServerGames::add(const ServerGameEntry& entry) {
    if (!entryOf(objectOf(entry)))
        return QCoreApplication::translate(
            "ServerGames", "the server's address or key is not one a game can be played on");
    const Read kept = read();
    warning_ = kept.warning;
    // Written over, a damaged list would lose the games it may still hold.
    if (kept.damaged)
        return kept.warning;
    QJsonArray games;
    for (const ServerGameEntry& other : kept.entries) {
        if (other.game == entry.game)
            return sameEntry(other, entry)
                       ? QString()
                       : QCoreApplication::translate(
                             "ServerGames",
                             "this game is played on %1 already, with another side or server key")
                             .arg(other.server.toDisplayString());
        games.append(objectOf(other));
    }
    games.append(objectOf(entry));
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()))
        return QCoreApplication::translate("ServerGames", "the folder of %1 could not be made")
            .arg(QDir::toNativeSeparators(file_));
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{QStringLiteral("version"), 1}, {QStringLiteral("games"), games}})
            .toJson();
    QString error;
    if (!saveFileSafely(file_, bytes, &error))
        return error;
    return {};
}
