#include "server/httpfront.h"

#include "server/routes.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>

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
                                bearerToken(request)});
    } catch (const std::exception& error) {
        // The store or a record failed: the request changed nothing (one transaction each).
        std::fprintf(stderr, "error: %s\n", error.what());
        reply = {500,
                 {{QStringLiteral("error"), QStringLiteral("the server failed; try again")}},
                 QStringLiteral("(failed)"),
                 0,
                 {},
                 {}};
    }
    makeResponder(request, socket)
        .write(QJsonDocument(reply.body),
               static_cast<QHttpServerResponder::StatusCode>(reply.status));
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
