#include "server/requestframing.h"

#include <QList>

RequestFraming::Verdict RequestFraming::feed(QByteArrayView bytes) {
    while (!bytes.isEmpty() && verdict_ == Verdict::Fine) {
        switch (stage_) {
        case Stage::Upgraded:
            // The WebSocket's own frames from here on: the push channel bounds them.
            return verdict_;
        case Stage::Body: {
            const qint64 taken = qMin(bodyLeft_, qint64(bytes.size()));
            bodyLeft_ -= taken;
            bytes = bytes.sliced(taken);
            if (bodyLeft_ == 0)
                stage_ = Stage::Between;
            break;
        }
        case Stage::Between:
        case Stage::Headers: {
            if (stage_ == Stage::Between)
                ++begun_;
            stage_ = Stage::Headers;
            // Only the part that may hold the end of the headers is looked at again.
            const qsizetype from = qMax<qsizetype>(0, headers_.size() - 3);
            const qsizetype room = qsizetype(maxHeaderBytes_) - headers_.size();
            const qsizetype taken = qMin(bytes.size(), qMax<qsizetype>(room, 0) + 1);
            headers_.append(bytes.first(taken));
            const qsizetype end = headers_.indexOf("\r\n\r\n", from);
            if (end < 0) {
                if (headers_.size() > maxHeaderBytes_)
                    verdict_ = Verdict::HeadersTooLarge;
                bytes = bytes.sliced(taken);
                break;
            }
            if (end + 4 > maxHeaderBytes_) {
                verdict_ = Verdict::HeadersTooLarge;
                break;
            }
            // What came after the headers is the body's, or the next request's.
            bytes = bytes.sliced(taken - (headers_.size() - (end + 4)));
            headers_.truncate(end + 4);
            verdict_ = headersDone();
            headers_.clear();
            break;
        }
        }
    }
    return verdict_;
}

RequestFraming::Verdict RequestFraming::headersDone() {
    qint64 length = -1;
    bool upgrade = false;
    const QList<QByteArray> lines = headers_.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.first(colon).trimmed().toLower();
        const QByteArray value = line.sliced(colon + 1).trimmed();
        if (name == "content-length") {
            bool number = false;
            const qint64 given = value.toLongLong(&number);
            if (!number || given < 0 || (length >= 0 && given != length))
                return Verdict::Malformed;
            length = given;
        } else if (name == "transfer-encoding") {
            return Verdict::NoLength;
        } else if (name == "upgrade" && value.toLower() == "websocket") {
            upgrade = true;
        }
    }
    if (length > maxBodyBytes_)
        return Verdict::BodyTooLarge;
    if (upgrade) {
        stage_ = Stage::Upgraded;
        return Verdict::Fine;
    }
    bodyLeft_ = qMax<qint64>(length, 0);
    stage_ = bodyLeft_ > 0 ? Stage::Body : Stage::Between;
    return Verdict::Fine;
}

int RequestFraming::status(Verdict verdict) {
    switch (verdict) {
    case Verdict::Fine:
        return 200;
    case Verdict::HeadersTooLarge:
        return 431;
    case Verdict::BodyTooLarge:
        return 413;
    case Verdict::NoLength:
        return 411;
    case Verdict::Malformed:
        return 400;
    }
    return 400;
}

const char* RequestFraming::reason(Verdict verdict) {
    switch (verdict) {
    case Verdict::Fine:
        return "";
    case Verdict::HeadersTooLarge:
        return "the request's headers are too large";
    case Verdict::BodyTooLarge:
        return "the request is larger than the server takes";
    case Verdict::NoLength:
        return "the request must give its Content-Length";
    case Verdict::Malformed:
        return "the request is malformed";
    }
    return "";
}
