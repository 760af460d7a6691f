#include "server/connectionguard.h"

#include "server/requestframing.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

// Answers and closes, and logs the refusal as the request log's other lines: no route, as
// the request was never read.
void refuse(QTcpSocket* socket, int status, const char* reason) {
    std::fprintf(stderr, "%s (refused) %d 0ms player=- %s\n",
                 qPrintable(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)), status,
                 reason);
    const QByteArray body = QByteArray("{\"error\":\"") + reason + "\"}";
    socket->write("HTTP/1.1 " + QByteArray::number(status) +
                  " Refused\r\nContent-Type: application/json\r\nConnection: close\r\n"
                  "Content-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
}

// A socket's watch, owned by the socket: the framing of its requests and its one deadline.
class Watch : public QObject {
public:
    Watch(QTcpSocket* socket, const ServerLimits& limits, std::function<void()> gone)
        : QObject(socket), socket_(socket), limits_(limits),
          framing_(limits.maxHeaderBytes, limits.maxRequestBytes), gone_(std::move(gone)) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &Watch::timedOut);
        // A new connection must say its request soon, as a request's first byte must.
        timer_.start(std::chrono::seconds(limits_.headerTimeoutSeconds));
        connect(socket, &QTcpSocket::readyRead, this, &Watch::arrived);
        connect(socket, &QTcpSocket::disconnected, this, &Watch::release);
    }
    ~Watch() override { release(); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

private:
    void arrived() {
        if (refused_) {
            socket_->readAll();
            return;
        }
        const qint64 begunBefore = framing_.requestsBegun();
        const RequestFraming::Verdict verdict =
            framing_.feed(socket_->peek(socket_->bytesAvailable()));
        if (verdict != RequestFraming::Verdict::Fine) {
            refused_ = true;
            timer_.stop();
            socket_->readAll();
            refuse(socket_, RequestFraming::status(verdict), RequestFraming::reason(verdict));
            return;
        }
        if (framing_.requestsBegun() != begunBefore)
            requestStart_.start(); // the last request begun has its time from now
        switch (framing_.stage()) {
        case RequestFraming::Stage::Upgraded:
            timer_.stop();
            break;
        case RequestFraming::Stage::Between:
            timer_.start(std::chrono::seconds(limits_.idleTimeoutSeconds));
            break;
        case RequestFraming::Stage::Headers:
            timer_.start(std::chrono::milliseconds(remainingMs(limits_.headerTimeoutSeconds)));
            break;
        case RequestFraming::Stage::Body:
            timer_.start(std::chrono::milliseconds(remainingMs(limits_.requestTimeoutSeconds)));
            break;
        }
    }

    // What is left of `seconds` from the start of the request under way.
    qint64 remainingMs(qint64 seconds) const {
        return qMax<qint64>(0, seconds * 1000 - requestStart_.elapsed());
    }

    // The connection no longer counts against its address.
    void release() {
        if (gone_)
            std::exchange(gone_, nullptr)();
    }

    void timedOut() {
        if (framing_.stage() == RequestFraming::Stage::Between) {
            socket_->abort(); // an idle kept-alive connection: nothing to say
            return;
        }
        refused_ = true;
        socket_->readAll();
        refuse(socket_, 408, "the request took too long");
    }

    QTcpSocket* socket_;
    const ServerLimits limits_;
    RequestFraming framing_;
    std::function<void()> gone_;
    QTimer timer_;
    QElapsedTimer requestStart_;
    bool refused_ = false;
};

} // namespace

bool ConnectionGuard::admit(QTcpSocket* socket) {
    const QString address = socket->peerAddress().toString();
    if (counts_->total >= limits_.connectionsTotal) {
        refuse(socket, 503, "the server has too many connections; try again soon");
    } else if (counts_->perAddress[address] >= limits_.connectionsPerAddress) {
        refuse(socket, 429, "too many connections from your address");
    } else {
        ++counts_->total;
        ++counts_->perAddress[address];
        new Watch(socket, limits_, [counts = counts_, address] {
            --counts->total;
            if (--counts->perAddress[address] <= 0)
                counts->perAddress.erase(address);
        });
        return true;
    }
    if (counts_->perAddress[address] == 0)
        counts_->perAddress.erase(address);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // A peer that never reads its answer does not keep the socket.
    QTimer::singleShot(std::chrono::seconds(limits_.headerTimeoutSeconds), socket,
                       &QTcpSocket::abort);
    return false;
}
