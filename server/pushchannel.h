#pragma once

#include <QJsonObject>
#include <QObject>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAbstractHttpServer;
class QWebSocket;

// Tells a running Korva at once of what concerns it (a new turn, an opponent who joined),
// over a WebSocket on the server's own port. The client's first message is its token
// ({"token": "..."}), never the address: a token never appears in a URL or a log.
class PushChannel : public QObject {
    Q_OBJECT
public:
    using Authenticate = std::function<std::optional<qint64>(QByteArrayView)>;
    // A socket that has not named its player by then is closed.
    static constexpr int kHelloTimeoutMs = 10'000;
    // Open sockets per player; the oldest goes when a further one comes.
    static constexpr std::size_t kMaxSocketsPerPlayer = 8;

    PushChannel(QAbstractHttpServer& http, Authenticate authenticate, QObject* parent = nullptr);
    void tell(const std::vector<qint64>& players, const QJsonObject& event);

private:
    void accept(QAbstractHttpServer& http);
    void hello(QWebSocket* socket, const QString& message);

    Authenticate authenticate_;
    // 0 until the socket named its player.
    std::map<QWebSocket*, qint64> sockets_;
};
