#include "serverplay/serverwatch.h"

#include "serverplay/certificatepin.h"
#include "serverplay/serveraddress.h"
#include "serverplay/serverreplies.h"
#include "serverplay/tokenstore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSslConfiguration>

ServerWatch::ServerWatch(const QString& server, const QByteArray& token, QObject* parent)
    : QObject(parent), server_(serveraddress::parse(server, &lastError_)), token_(token) {
    socket_.setMaxAllowedIncomingMessageSize(quint64(kMaxMessageBytes));
    socket_.setMaxAllowedIncomingFrameSize(quint64(kMaxMessageBytes));
    retry_.setSingleShot(true);
    readyTimeout_.setSingleShot(true);
    readyTimeout_.setInterval(kReadyTimeoutMs);
    heartbeat_.setInterval(kPingIntervalMs);
    connect(&retry_, &QTimer::timeout, this, &ServerWatch::connectNow);
    connect(&readyTimeout_, &QTimer::timeout, this, [this] {
        lastError_ = QCoreApplication::translate("ServerWatch", "the server did not say ready");
        socket_.abort();
        onDisconnected();
    });
    connect(&heartbeat_, &QTimer::timeout, this, &ServerWatch::ping);
    connect(&socket_, &QWebSocket::pong, this, [this] { pingUnanswered_ = false; });
    connect(&socket_, &QWebSocket::connected, this, &ServerWatch::onConnected);
    connect(&socket_, &QWebSocket::disconnected, this, &ServerWatch::onDisconnected);
    connect(&socket_, &QWebSocket::textMessageReceived, this, &ServerWatch::onMessage);
    connect(&socket_, &QWebSocket::sslErrors, this, &ServerWatch::onSslErrors);
    connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this](QAbstractSocket::SocketError) {
                if (lastError_.isEmpty())
                    lastError_ = serverreplies::oneLine(socket_.errorString());
                // A connection that never opened may end without a word of its own.
                if (socket_.state() == QAbstractSocket::UnconnectedState)
                    onDisconnected();
            });
}

ServerWatch::~ServerWatch() {
    // The socket says it closed as it goes; nothing here is left to hear it.
    disconnect(&socket_, nullptr, this, nullptr);
    running_ = false;
}

void ServerWatch::setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds most) {
    firstDelay_ = nextDelay_ = first;
    maxDelay_ = most;
}

void ServerWatch::start() {
    if (running_ || !server_.isValid())
        return;
    running_ = true;
    nextDelay_ = firstDelay_;
    connectNow();
}

void ServerWatch::stop() {
    running_ = false;
    retry_.stop();
    socket_.abort();
}

void ServerWatch::connectNow() {
    if (!running_)
        return;
    lastError_.clear();
    certificateRefused_ = false;
    attempting_ = true;
    socket_.open(serveraddress::events(server_));
    readyTimeout_.start();
}

void ServerWatch::onSslErrors(const QList<QSslError>& errors) {
    const certificatepin::Verdict verdict =
        certificatepin::judge(TokenStore(server_), server_.toDisplayString(),
                              socket_.sslConfiguration().peerCertificate(), errors);
    if (!verdict.accept) {
        lastError_ = verdict.error;
        certificateRefused_ = true;
        return; // the handshake fails
    }
    socket_.ignoreSslErrors(errors);
    if (!verdict.pinnedNow.isEmpty())
        emit certificatePinned(verdict.pinnedNow);
}

void ServerWatch::onConnected() {
    if (server_.scheme() == QLatin1String("https")) {
        // A certificate the system trusts raised no error: held to the pin here.
        const certificatepin::Verdict verdict =
            certificatepin::judge(TokenStore(server_), server_.toDisplayString(),
                                  socket_.sslConfiguration().peerCertificate(), {});
        if (!verdict.accept) {
            lastError_ = verdict.error;
            certificateRefused_ = true;
            socket_.abort();
            onDisconnected();
            return;
        }
    }
    socket_.sendTextMessage(QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("token"), QString::fromLatin1(token_)}})
            .toJson(QJsonDocument::Compact)));
}

void ServerWatch::onMessage(const QString& message) {
    const QJsonObject event = QJsonDocument::fromJson(message.toUtf8()).object();
    const QString kind = event.value(QStringLiteral("event")).toString();
    if (kind == QLatin1String("ready") && !ready_) {
        readyTimeout_.stop();
        ready_ = true;
        pingUnanswered_ = false;
        nextDelay_ = firstDelay_;
        heartbeat_.start();
        emit ready();
        emit connectedChanged(true);
        return;
    }
    if (!ready_ || kind != QLatin1String("turn"))
        return; // an event of a later server, or none: nothing Korva acts on
    const std::optional<GameId> game =
        GameId::fromHex(event.value(QStringLiteral("game")).toString());
    const int turn = event.value(QStringLiteral("turn")).toInt(0);
    if (game && turn > 0)
        emit turnArrived(*game, turn);
}

void ServerWatch::ping() {
    if (pingUnanswered_) {
        lastError_ = QCoreApplication::translate("ServerWatch", "the server stopped answering");
        socket_.abort();
        onDisconnected();
        return;
    }
    pingUnanswered_ = true;
    socket_.ping();
}

void ServerWatch::onDisconnected() {
    if (!attempting_)
        return; // this attempt's end was handled already
    attempting_ = false;
    readyTimeout_.stop();
    heartbeat_.stop();
    if (lastError_.isEmpty() && socket_.closeCode() == QWebSocketProtocol::CloseCodePolicyViolated)
        lastError_ = QCoreApplication::translate("ServerWatch", "the server refused the token");
    if (lastError_.isEmpty())
        lastError_ = QCoreApplication::translate("ServerWatch", "the connection was closed");
    if (ready_) {
        ready_ = false;
        emit connectedChanged(false);
    }
    scheduleRetry();
}

void ServerWatch::scheduleRetry() {
    if (!running_)
        return;
    // A changed certificate is tried again only at the longest wait: it will not mend itself.
    const auto delay = certificateRefused_ ? maxDelay_ : nextDelay_;
    const qint64 full = delay.count();
    const qint64 jittered = full - qint64(QRandomGenerator::global()->bounded(full / 2 + 1));
    retry_.start(std::chrono::milliseconds(jittered));
    nextDelay_ = std::min(nextDelay_ * 2, maxDelay_);
}
