#include "server/pushchannel.h"

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QJsonDocument>
#include <QTimer>
#include <QWebSocket>

#include <cstdio>

PushChannel::PushChannel(QAbstractHttpServer& http, Authenticate authenticate, QObject* parent)
    : QObject(parent), authenticate_(std::move(authenticate)) {
    connect(&http, &QAbstractHttpServer::newWebSocketConnection, this,
            [this, &http] { accept(http); });
}

void PushChannel::accept(QAbstractHttpServer& http) {
    while (http.hasPendingWebSocketConnections()) {
        QWebSocket* socket = http.nextPendingWebSocketConnection().release();
        socket->setParent(this);
        sockets_[socket] = 0;
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& message) { hello(socket, message); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            sockets_.erase(socket);
            socket->deleteLater();
        });
        QTimer::singleShot(kHelloTimeoutMs, socket, [this, socket] {
            if (sockets_.count(socket) && sockets_[socket] == 0)
                socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        });
    }
}

void PushChannel::hello(QWebSocket* socket, const QString& message) {
    if (!sockets_.count(socket) || sockets_[socket] != 0)
        return; // a named socket only listens
    const QJsonObject said = QJsonDocument::fromJson(message.toUtf8()).object();
    const std::optional<qint64> player =
        authenticate_(said.value(QStringLiteral("token")).toString().toLatin1());
    if (!player) {
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("bad token"));
        return;
    }
    std::vector<QWebSocket*> theirs;
    for (const auto& [open, whose] : sockets_)
        if (whose == *player)
            theirs.push_back(open);
    if (theirs.size() >= kMaxSocketsPerPlayer)
        theirs.front()->close();
    sockets_[socket] = *player;
    socket->sendTextMessage(QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("event"), QStringLiteral("ready")}})
            .toJson(QJsonDocument::Compact)));
    std::fprintf(stderr, "%s WS /events open player=%lld\n",
                 qPrintable(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)),
                 static_cast<long long>(*player));
}

void PushChannel::tell(const std::vector<qint64>& players, const QJsonObject& event) {
    const QString text = QString::fromUtf8(QJsonDocument(event).toJson(QJsonDocument::Compact));
    for (const auto& [socket, player] : sockets_)
        if (player != 0 && std::find(players.begin(), players.end(), player) != players.end())
            socket->sendTextMessage(text);
}
