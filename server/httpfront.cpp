#include "server/httpfront.h"

#include "server/routes.h"
#include "server/store.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QTcpSocket>

#include <cstdio>

namespace {

QByteArray methodName(QHttpServerRequest::Method method) {
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    default:
        return "OTHER";
    }
}

QByteArray bearerToken(const QHttpServerRequest& request) {
    for (const auto& [name, value] : request.headers())
        if (name.compare("authorization", Qt::CaseInsensitive) == 0 && value.startsWith("Bearer "))
            return value.mid(7).trimmed();
    return {};
}

} // namespace

HttpFront::HttpFront(Routes& routes, std::function<void(const Reply&)> answered, QObject* parent)
    : QAbstractHttpServer(parent), routes_(routes), answered_(std::move(answered)) {}

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Qt hands a WebSocket's upgrade to the push channel when it is taken here with nothing
    // written; anything else answered would come before the handshake.
    if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
        return request.url().path() == QLatin1String(kPushPath);
    QElapsedTimer clock;
    clock.start();
    Reply reply;
    try {
        reply = routes_.handle({methodName(request.method()), request.url().path(), request.body(),
                                bearerToken(request), socket->peerAddress().toString()});
    } catch (const std::exception& error) {
        // The store or a record failed: the request changed nothing (one transaction each).
        // The store's errors name its SQL and SQLite's words, never a bound value.
        std::fprintf(stderr, "error: %s\n", error.what());
        const auto* stored = dynamic_cast<const StoreError*>(&error);
        const StoreError::Kind kind = stored ? stored->kind() : StoreError::Kind::Other;
        const int status = kind == StoreError::Kind::Busy   ? 503
                           : kind == StoreError::Kind::Full ? 507
                                                            : 500;
        const QString text =
            kind == StoreError::Kind::Busy
                ? QStringLiteral("the server's database is busy; try again")
            : kind == StoreError::Kind::Full
                ? QStringLiteral("the server's disk is full; nothing was kept, try again later")
                : QStringLiteral("the server failed; try again");
        reply = {status, {{QStringLiteral("error"), text}}, QStringLiteral("(failed)"), 0, {}, {},
                 0};
    }
    const auto status = static_cast<QHttpServerResponder::StatusCode>(reply.status);
    if (reply.retryAfter > 0)
        makeResponder(request, socket)
            .write(QJsonDocument(reply.body),
                   {{QByteArray("Retry-After"), QByteArray::number(reply.retryAfter)}}, status);
    else
        makeResponder(request, socket).write(QJsonDocument(reply.body), status);
    std::fprintf(stderr, "%s %s %d %lldms player=%s\n",
                 qPrintable(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)),
                 qPrintable(reply.route), reply.status, static_cast<long long>(clock.elapsed()),
                 reply.player ? qPrintable(QString::number(reply.player)) : "-");
    if (!reply.tell.empty() && answered_)
        answered_(reply);
    return true;
}

void HttpFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket)
        .write(
            QJsonDocument(QJsonObject{{QStringLiteral("error"), QStringLiteral("no such route")}}),
            QHttpServerResponder::StatusCode::NotFound);
}
