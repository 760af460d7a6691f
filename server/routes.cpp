#include "server/routes.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

#include <optional>

namespace {

int statusOf(Outcome::Kind kind) {
    switch (kind) {
    case Outcome::Kind::Ok:
        return 200;
    case Outcome::Kind::Created:
        return 201;
    case Outcome::Kind::Invalid:
        return 400;
    case Outcome::Kind::NotFound:
        return 404;
    case Outcome::Kind::Refused:
        return 409;
    case Outcome::Kind::TooLarge:
        return 413;
    }
    return 500;
}

Reply error(int status, const QString& route, const QString& text, qint64 player = 0) {
    return {status, {{QStringLiteral("error"), text}}, route, player, {}, {}, 0};
}

Reply tooMany(const RateLimit& limit, const QString& route, const QString& text, qint64 player) {
    Reply reply = error(429, route, text, player);
    reply.retryAfter = limit.retryAfterSeconds();
    return reply;
}

} // namespace

namespace {

// The route a request takes, as the log names it; empty when there is none.
QString routeOf(const Request& request, const QRegularExpressionMatch& inGame) {
    const bool get = request.method == "GET";
    const bool post = request.method == "POST";
    const QString sub = inGame.captured(2);
    if (get && request.path == QLatin1String("/key"))
        return QStringLiteral("GET /key");
    if (post && request.path == QLatin1String("/players"))
        return QStringLiteral("POST /players");
    if (request.path == QLatin1String("/games") && (get || post))
        return QString::fromLatin1(request.method) + QStringLiteral(" /games");
    if (post && request.path == QLatin1String("/games/join"))
        return QStringLiteral("POST /games/join");
    if (!inGame.hasMatch())
        return {};
    if (get && sub.isEmpty())
        return QStringLiteral("GET /games/{id}");
    if ((get || post) && sub == QLatin1String("/rolls"))
        return QString::fromLatin1(request.method) + QStringLiteral(" /games/{id}/rolls");
    if (post && sub == QLatin1String("/turns"))
        return QStringLiteral("POST /games/{id}/turns");
    if (get && !inGame.captured(3).isEmpty())
        return QStringLiteral("GET /games/{id}/turns/{n}");
    return {};
}

// The body as a JSON object; none when it is not one.
std::optional<QJsonObject> jsonObject(const QByteArray& bytes) {
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

Reply Routes::handle(const Request& request) {
    static const QRegularExpression gamePath(
        QStringLiteral("^/games/([^/]+)(/rolls|/turns|/turns/([0-9]{1,9}))?$"));
    const QRegularExpressionMatch inGame = gamePath.match(request.path);
    const QString route = routeOf(request, inGame);
    if (route.isEmpty())
        return error(404, QStringLiteral("(none)"), QStringLiteral("no such route"));

    // The connection's guard refused larger ones from their headers; this holds without it.
    if (request.body.size() > maxBodyBytes_)
        return error(413, route,
                     QStringLiteral("the request is larger than %1 bytes").arg(maxBodyBytes_));
    const std::optional<QJsonObject> body =
        request.method == "POST" ? jsonObject(request.body) : QJsonObject();
    if (!body)
        return error(400, route, QStringLiteral("the request is not a JSON object"));

    const auto reply = [&](const Outcome& outcome, qint64 player) {
        return Reply{statusOf(outcome.kind), outcome.body,  route, player,
                     outcome.tell,           outcome.event, 0};
    };
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (route == QLatin1String("GET /key"))
        return reply(referee_.key(), 0);
    if (route == QLatin1String("POST /players")) {
        if (!registrations_.allow(request.address, now))
            return tooMany(registrations_, route,
                           QStringLiteral("too many players registered from your address; try "
                                          "again later"),
                           0);
        return reply(referee_.registerPlayer(*body), 0);
    }

    const std::optional<qint64> player = referee_.authenticate(request.token);
    if (!player)
        return error(401, route, QStringLiteral("a valid token is needed"));
    const QString id = inGame.captured(1);
    if (route == QLatin1String("GET /games"))
        return reply(referee_.games(*player), *player);
    if (route == QLatin1String("POST /games"))
        return reply(referee_.createGame(*player, *body), *player);
    if (route == QLatin1String("POST /games/join"))
        return reply(referee_.join(*player, *body), *player);
    if (route == QLatin1String("GET /games/{id}"))
        return reply(referee_.game(*player, id), *player);
    if (route == QLatin1String("POST /games/{id}/rolls")) {
        if (!rolls_.allow(QString::number(*player), now))
            return tooMany(rolls_, route,
                           QStringLiteral("too many rolls in a minute; wait a little"), *player);
        return reply(referee_.roll(*player, id, *body), *player);
    }
    if (route == QLatin1String("GET /games/{id}/rolls"))
        return reply(referee_.rolls(*player, id), *player);
    if (route == QLatin1String("POST /games/{id}/turns"))
        return reply(referee_.upload(*player, id, *body), *player);
    return reply(referee_.turn(*player, id, inGame.captured(3).toInt()), *player);
}
