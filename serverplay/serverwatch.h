#pragma once

#include "movefile/gameid.h"

#include <QByteArray>
#include <QObject>
#include <QSslError>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

#include <chrono>

// Listens on a Korva server's push channel, so that a running Korva hears of a new turn
// within a second of its upload. Names its player by the token in its first message (never in
// the address), holds the server's certificate to the pinned one as ServerClient does, and
// comes back by itself after the server or the network went away: 1 s, then twice as long
// each time, up to 5 minutes, each wait shortened by a random part so that many players do
// not all come back at once.
class ServerWatch : public QObject {
    Q_OBJECT
public:
    // `server` as ServerClient takes it; plain HTTP only to this computer.
    ServerWatch(const QString& server, const QByteArray& token, QObject* parent = nullptr);
    ~ServerWatch() override;

    // Starts listening (and trying again until stop()).
    void start();
    void stop();

    // Whether the server has taken the token and will tell of new turns.
    bool isConnected() const { return ready_; }
    // Why the last attempt failed; empty while connected.
    const QString& lastError() const { return lastError_; }

    // For tests: the first wait and its cap.
    void setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds most);

    // The largest event read; a larger message closes the connection.
    static constexpr qint64 kMaxMessageBytes = 16 * 1024;
    // A server that does not say "ready" this long after the connection is given up on.
    static constexpr int kReadyTimeoutMs = 15000;
    // A ping this often; a connection with a ping unanswered at the next is given up on.
    static constexpr int kPingIntervalMs = 60000;

signals:
    void ready();
    void connectedChanged(bool connected);
    void turnArrived(const GameId& game, int turn);
    // The first contact with a server whose certificate the system does not trust.
    void certificatePinned(const QString& fingerprint);

private:
    void connectNow();
    void onMessage(const QString& message);
    void onSslErrors(const QList<QSslError>& errors);
    void onConnected();
    void onDisconnected();
    void scheduleRetry();
    void ping();

    QString lastError_; // before server_, whose making may set it
    QUrl server_;
    QByteArray token_;
    QTimer retry_;
    QTimer readyTimeout_;
    QTimer heartbeat_;
    QWebSocket socket_; // after the timers: its last signals may touch them
    std::chrono::milliseconds firstDelay_{1000};
    std::chrono::milliseconds maxDelay_{5 * 60 * 1000};
    std::chrono::milliseconds nextDelay_{1000};
    bool running_ = false;
    bool attempting_ = false; // from open() until its end was handled
    bool ready_ = false;
    bool pingUnanswered_ = false;
    bool certificateRefused_ = false;
};
