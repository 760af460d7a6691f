#pragma once

#include "server/referee.h"

#include <QByteArray>
#include <QString>

// A request as the routes read it: no sockets, no headers but the token.
struct Request {
    QByteArray method;
    QString path;
    QByteArray body;
    // The bearer token, if one came; never logged.
    QByteArray token;
};

// The answer, and what the request log says of it.
struct Reply {
    int status = 200;
    QJsonObject body;
    // The route's pattern ("POST /games/{id}/rolls"), never the request's own path.
    QString route;
    // The player the token named, 0 for none.
    qint64 player = 0;
    // Players to tell at once, and what.
    std::vector<qint64> tell;
    QJsonObject event;
};

// The server's routes, each thin: it reads the request, asks the referee, writes the answer.
class Routes {
public:
    // A request body above this is refused unread by the routes (base64 of a 1 MiB file and
    // its report, and the JSON around them).
    static constexpr qsizetype kMaxBodyBytes = 3 * 1024 * 1024;

    explicit Routes(Referee& referee) : referee_(referee) {}
    Reply handle(const Request& request);

private:
    Referee& referee_;
};
