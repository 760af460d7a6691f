#pragma once

#include "server/limits.h"

#include <QSslServer>
#include <QTcpServer>

#include <map>
#include <memory>

class QTcpSocket;

// Holds every connection to the server's limits before Qt's HTTP server reads a byte of
// it: connections per address and in all, the time a request's headers and the request
// may take and a kept-alive connection may idle, and the size of the headers and the body,
// refused from the headers alone (RequestFraming).
//
// Qt HttpServer reads each request's body whole into memory before it hands it on, so the
// guard reads first: its handler of a socket's readyRead is connected before Qt's, peeks
// at the bytes that came and, for a request it refuses, drains them, answers and closes, so
// that Qt's parser never holds them.
class ConnectionGuard {
public:
    explicit ConnectionGuard(const ServerLimits& limits) : limits_(limits) {}

    // Takes the socket under guard; false when it is refused (answered and closing).
    bool admit(QTcpSocket* socket);

private:
    struct Counts {
        std::map<QString, qint64> perAddress;
        qint64 total = 0;
    };
    ServerLimits limits_;
    std::shared_ptr<Counts> counts_ = std::make_shared<Counts>();
};

// A listening server whose every connection passes the guard before the HTTP server gets it.
template <typename Base> class GuardedServer : public Base {
public:
    explicit GuardedServer(std::shared_ptr<ConnectionGuard> guard) : guard_(std::move(guard)) {}

    QTcpSocket* nextPendingConnection() override {
        while (QTcpSocket* socket = Base::nextPendingConnection())
            if (guard_->admit(socket))
                return socket;
        return nullptr;
    }

private:
    std::shared_ptr<ConnectionGuard> guard_;
};
using GuardedTcpServer = GuardedServer<QTcpServer>;
using GuardedSslServer = GuardedServer<QSslServer>;
