#pragma once

#include <QAbstractHttpServer>

#include <functional>

class Routes;
struct Reply;

// The server's HTTP side: turns each request into the routes' plain Request, writes their
// answer as JSON and logs one line to standard error: time, route, status, duration and
// player (never a token, never the path with its ids).
class HttpFront : public QAbstractHttpServer {
    Q_OBJECT
public:
    // Where a WebSocket asks for the push channel.
    static constexpr const char* kPushPath = "/events";

    HttpFront(Routes& routes, std::function<void(const Reply&)> answered,
              QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    Routes& routes_;
    std::function<void(const Reply&)> answered_;
};
