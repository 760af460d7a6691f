#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Follows the bytes of one connection from request to request, as they arrive, to refuse a
// request from its headers alone: before its body is read, so that no stranger can make the
// server hold a body larger than the limit, or headers without end. Knows HTTP/1.1's
// framing only; Qt's own parser reads the requests it lets through.
class RequestFraming {
public:
    enum class Verdict {
        Fine,
        HeadersTooLarge, // 431
        BodyTooLarge,    // 413
        NoLength,        // 411: a chunked body, whose size the headers do not say
        Malformed,       // 400
    };
    enum class Stage { Between, Headers, Body, Upgraded };

    RequestFraming(qint64 maxHeaderBytes, qint64 maxBodyBytes)
        : maxHeaderBytes_(maxHeaderBytes), maxBodyBytes_(maxBodyBytes) {}

    // Takes the next bytes of the connection. Once a verdict is not Fine, the connection is
    // refused and every later call answers the same.
    Verdict feed(QByteArrayView bytes);
    Stage stage() const { return stage_; }
    // How many requests have begun on the connection, the one under way included.
    qint64 requestsBegun() const { return begun_; }
    // The HTTP status and the reason of a refusal.
    static int status(Verdict verdict);
    static const char* reason(Verdict verdict);

private:
    Verdict headersDone();

    qint64 maxHeaderBytes_;
    qint64 maxBodyBytes_;
    Stage stage_ = Stage::Between;
    Verdict verdict_ = Verdict::Fine;
    QByteArray headers_;
    qint64 bodyLeft_ = 0;
    qint64 begun_ = 0;
};
