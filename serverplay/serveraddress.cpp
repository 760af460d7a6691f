#include "serverplay/serveraddress.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace serveraddress {

bool isLoopback(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QUrl parse(const QString& text, QString* why) {
    const auto refuse = [why](const QString& reason) {
        if (why)
            *why = reason;
        return QUrl();
    };
    const QString trimmed = text.trimmed();
    QUrl url(trimmed.contains(QStringLiteral("://")) ? trimmed
                                                     : QStringLiteral("http://") + trimmed);
    const bool sound =
        url.isValid() && !url.host().isEmpty() &&
        (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
        url.query().isEmpty() && url.fragment().isEmpty() && url.userInfo().isEmpty();
    if (!sound)
        return refuse(QCoreApplication::translate(
            "ServerClient", "a server's address is http://HOST:PORT or https://HOST:PORT"));
    if (url.scheme() == QLatin1String("http") && !isLoopback(url.host())) {
        if (trimmed.contains(QStringLiteral("://")))
            return refuse(QCoreApplication::translate(
                "ServerClient", "plain HTTP only to this computer; use https://"));
        url.setScheme(QStringLiteral("https"));
    }
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path);
    return url;
}

QUrl events(const QUrl& server) {
    QUrl url = server;
    url.setScheme(server.scheme() == QLatin1String("https") ? QStringLiteral("wss")
                                                            : QStringLiteral("ws"));
    url.setPath(server.path() + QStringLiteral("/events"));
    return url;
}

} // namespace serveraddress
