#include "serverplay/serverclient.h"

#include "serverplay/certificatepin.h"
#include "serverplay/serveraddress.h"
#include "serverplay/tokenstore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

using namespace serverreplies;

namespace {

// Why no answer came, for a player who can do something about it.
QString networkError(const QNetworkReply& reply, const QUrl& server, int timeoutMs) {
    const QString where = server.toDisplayString();
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("ServerClient", "no Korva server answers at %1")
            .arg(where);
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("ServerClient", "no computer named %1 was found")
            .arg(server.host());
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QCoreApplication::translate("ServerClient",
                                           "the server at %1 did not answer within %2 seconds")
            .arg(where)
            .arg(timeoutMs / 1000);
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("ServerClient",
                                           "the server at %1 could not prove who it is: %2")
            .arg(where, oneLine(reply.errorString()));
    default:
        return QCoreApplication::translate("ServerClient",
                                           "the server at %1 could not be reached: %2")
            .arg(where, oneLine(reply.errorString()));
    }
}

} // namespace

ServerClient::ServerClient(const QString& server, QObject* parent)
    : QObject(parent), server_(serveraddress::parse(server, &addressError_)) {}

void ServerClient::checkCertificate(QNetworkReply* reply, const QList<QSslError>& errors) {
    const certificatepin::Verdict verdict =
        certificatepin::judge(TokenStore(server_), server_.toDisplayString(),
                              reply->sslConfiguration().peerCertificate(), errors);
    if (!verdict.accept) {
        reply->setProperty("certificateRefused", verdict.error);
        reply->abort();
        return;
    }
    if (!errors.isEmpty())
        reply->ignoreSslErrors(errors);
    if (!verdict.pinnedNow.isEmpty())
        emit certificatePinned(verdict.pinnedNow);
}

void ServerClient::send(const QByteArray& method, const QString& path, const QJsonObject& body,
                        std::function<void(const ServerResult<QJsonObject>&)> done) {
    if (!server_.isValid()) {
        done({std::nullopt, addressError_, 0});
        return;
    }
    QUrl url = server_;
    url.setPath(server_.path() + path);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    if (!token_.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token_);
    QNetworkReply* reply = network_.sendCustomRequest(
        request, method,
        method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact));
    // A certificate is judged when the handshake meets it: untrusted, then once trusted.
    connect(reply, &QNetworkReply::sslErrors, reply,
            [this, reply](const QList<QSslError>& errors) { checkCertificate(reply, errors); });
    connect(reply, &QNetworkReply::encrypted, reply,
            [this, reply] { checkCertificate(reply, {}); });
    // An answer past the limit is cut off as it comes, not held whole first.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxAnswerBytes) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (const QString refused = reply->property("certificateRefused").toString();
            !refused.isEmpty()) {
            done({std::nullopt, refused, 0});
            return;
        }
        const QByteArray bytes = reply->isOpen() ? reply->read(kMaxAnswerBytes + 1) : QByteArray();
        if (bytes.size() > kMaxAnswerBytes || reply->property("tooLarge").toBool()) {
            done({std::nullopt,
                  QCoreApplication::translate("ServerClient", "the server's answer is too large"),
                  status});
            return;
        }
        // A transfer cut off midway is no answer, whatever status came before it.
        if (status == 0 || reply->error() == QNetworkReply::OperationCanceledError ||
            reply->error() == QNetworkReply::TimeoutError) {
            done({std::nullopt, networkError(*reply, server_, timeoutMs_), 0});
            return;
        }
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
        const QString reason = oneLine(document.object().value(QLatin1String("error")).toString());
        if (status < 200 || status > 299) {
            done({std::nullopt,
                  reason.isEmpty()
                      ? QCoreApplication::translate("ServerClient", "the server refused (HTTP %1)")
                            .arg(status)
                      : reason,
                  status});
            return;
        }
        if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
            done({std::nullopt,
                  QCoreApplication::translate("ServerClient",
                                              "the server's answer is not one Korva can read"),
                  status});
            return;
        }
        done({document.object(), {}, status});
    });
}

template <class T>
void ServerClient::call(const QByteArray& method, const QString& path, const QJsonObject& body,
                        std::optional<T> (*read)(const QJsonObject&), Done<T> done) {
    send(method, path, body,
         [read, done = std::move(done)](const ServerResult<QJsonObject>& answer) {
             if (!answer.ok()) {
                 done({std::nullopt, answer.error, answer.status});
                 return;
             }
             std::optional<T> value = read(*answer.value);
             if (!value) {
                 done({std::nullopt,
                       QCoreApplication::translate("ServerClient",
                                                   "the server's answer is not one Korva can read"),
                       answer.status});
                 return;
             }
             done({std::move(value), {}, answer.status});
         });
}

void ServerClient::fetchKey(Done<ServerKey> done) {
    call<ServerKey>("GET", QStringLiteral("/key"), {}, serverKey, std::move(done));
}

void ServerClient::registerPlayer(const QString& name, Done<Registered> done) {
    call<Registered>("POST", QStringLiteral("/players"), {{QStringLiteral("name"), name}},
                     registered, std::move(done));
}

void ServerClient::fetchGames(Done<QList<ServerGame>> done) {
    call<QList<ServerGame>>("GET", QStringLiteral("/games"), {}, games, std::move(done));
}

void ServerClient::createGame(const GameId& id, const QString& name, Side side,
                              const TurnRecord& turnRecord, Done<ServerGame> done) {
    const auto sideNumber = [](Side s) { return s == Side::First ? 0 : 1; };
    const QJsonObject body{
        {QStringLiteral("game"), id.toHex()},
        {QStringLiteral("name"), name},
        {QStringLiteral("side"), sideNumber(side)},
        {QStringLiteral("turn"),
         QJsonObject{{QStringLiteral("number"), turnRecord.number},
                     {QStringLiteral("toMove"), sideNumber(turnRecord.toMove)},
                     {QStringLiteral("movesFirst"), sideNumber(turnRecord.movesFirst)}}}};
    call<ServerGame>("POST", QStringLiteral("/games"), body, game, std::move(done));
}

void ServerClient::join(const QString& invite, Done<ServerGame> done) {
    call<ServerGame>("POST", QStringLiteral("/games/join"),
                     {{QStringLiteral("invite"), invite.trimmed()}}, game, std::move(done));
}

void ServerClient::askRoll(const GameId& id, int turnNumber, int number, int hex,
                           const QByteArray& comment, Done<ServerRoll> done) {
    const QJsonObject body{{QStringLiteral("turn"), turnNumber},
                           {QStringLiteral("number"), number},
                           {QStringLiteral("hex"), hex},
                           {QStringLiteral("comment"), QString::fromLatin1(comment.toBase64())}};
    call<ServerRoll>("POST", QStringLiteral("/games/%1/rolls").arg(id.toHex()), body, roll,
                     std::move(done));
}

void ServerClient::uploadTurn(const GameId& id, const QByteArray& file, const QByteArray& report,
                              Done<TurnTaken> done) {
    const QJsonObject body{{QStringLiteral("file"), QString::fromLatin1(file.toBase64())},
                           {QStringLiteral("report"), QString::fromLatin1(report.toBase64())}};
    call<TurnTaken>("POST", QStringLiteral("/games/%1/turns").arg(id.toHex()), body, turnTaken,
                    std::move(done));
}

void ServerClient::fetchRolls(const GameId& id, Done<QList<ServerRoll>> done) {
    call<QList<ServerRoll>>("GET", QStringLiteral("/games/%1/rolls").arg(id.toHex()), {}, rolls,
                            std::move(done));
}

void ServerClient::fetchTurn(const GameId& id, int turnNumber, Done<ServerTurn> done) {
    call<ServerTurn>("GET", QStringLiteral("/games/%1/turns/%2").arg(id.toHex()).arg(turnNumber),
                     {}, turn, std::move(done));
}

template <class T> ServerResult<T> waitFor(const std::function<void(ServerClient::Done<T>)>& ask) {
    std::optional<ServerResult<T>> result;
    QEventLoop loop;
    ask([&](const ServerResult<T>& answer) {
        result = answer;
        loop.quit();
    });
    // The answer may have come at once (an address that is no address).
    if (!result)
        loop.exec();
    return *result;
}

template ServerResult<ServerKey> waitFor(const std::function<void(ServerClient::Done<ServerKey>)>&);
template ServerResult<Registered>
waitFor(const std::function<void(ServerClient::Done<Registered>)>&);
template ServerResult<ServerGame>
waitFor(const std::function<void(ServerClient::Done<ServerGame>)>&);
template ServerResult<QList<ServerGame>>
waitFor(const std::function<void(ServerClient::Done<QList<ServerGame>>)>&);
template ServerResult<QList<ServerRoll>>
waitFor(const std::function<void(ServerClient::Done<QList<ServerRoll>>)>&);
template ServerResult<ServerRoll>
waitFor(const std::function<void(ServerClient::Done<ServerRoll>)>&);
template ServerResult<TurnTaken> waitFor(const std::function<void(ServerClient::Done<TurnTaken>)>&);
template ServerResult<ServerTurn>
waitFor(const std::function<void(ServerClient::Done<ServerTurn>)>&);
