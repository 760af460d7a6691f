#pragma once

#include "server/limits.h"
#include "server/ratelimit.h"
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
    // The peer's address, for the limits kept per address.
    QString address;
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
    // For a refusal by a limit: the seconds until it lets the request through.
    qint64 retryAfter = 0;
};

// The server's routes, each thin: it reads the request, asks the referee, writes the answer.
class Routes {
public:
    Routes(Referee& referee, const ServerLimits& limits)
        : referee_(referee), maxBodyBytes_(limits.maxRequestBytes),
          rolls_(limits.rollsPerMinute, 60'000),
          registrations_(limits.registrationsPerHour, 3'600'000) {}
    Reply handle(const Request& request);

private:
    Referee& referee_;
    qint64 maxBodyBytes_;
    RateLimit rolls_;
    RateLimit registrations_;
};
