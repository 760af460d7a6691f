#pragma once

#include "movefile/turnrecord.h"
#include "serverplay/serverreplies.h"

#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSslError>
#include <QUrl>

#include <functional>
#include <optional>

// What a request to the server came to: the answer read and checked, or the one line that
// says why not (the server's own reason, or what went wrong on the way).
template <class T> struct ServerResult {
    std::optional<T> value;
    QString error;
    int status = 0; // the HTTP status; 0 when no answer came

    bool ok() const { return value.has_value(); }
};

// The routes of a Korva server, each answered once through its callback, on the thread the
// client lives on. Every request gives up after the timeout; every answer is bounded in size
// and its JSON checked before anything of it is used.
class ServerClient : public QObject {
    Q_OBJECT
public:
    // `server` as the player gave it: "http://host:port", "https://..." or "host:port"; plain
    // HTTP only to this computer.
    explicit ServerClient(const QString& server, QObject* parent = nullptr);

    // The address the requests go to; invalid when the player's text is none.
    const QUrl& server() const { return server_; }
    // The player's token, sent with every request but the key and registering.
    void setToken(const QByteArray& token) { token_ = token; }
    const QByteArray& token() const { return token_; }
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

    template <class T> using Done = std::function<void(const ServerResult<T>&)>;

    void fetchKey(Done<serverreplies::ServerKey> done);
    void registerPlayer(const QString& name, Done<serverreplies::Registered> done);
    void fetchGames(Done<QList<serverreplies::ServerGame>> done);
    void createGame(const GameId& game, const QString& name, Side side, const TurnRecord& turn,
                    Done<serverreplies::ServerGame> done);
    void join(const QString& invite, Done<serverreplies::ServerGame> done);
    // `comment` as the tags section holds it (Windows-1252, at most 80 bytes).
    void askRoll(const GameId& game, int turn, int number, int hex, const QByteArray& comment,
                 Done<serverreplies::ServerRoll> done);
    // Every roll the server drew in the game, in order.
    void fetchRolls(const GameId& game, Done<QList<serverreplies::ServerRoll>> done);
    void uploadTurn(const GameId& game, const QByteArray& file, const QByteArray& report,
                    Done<serverreplies::TurnTaken> done);
    void fetchTurn(const GameId& game, int turn, Done<serverreplies::ServerTurn> done);

    // The largest answer read; a larger one is cut off and refused.
    static constexpr qint64 kMaxAnswerBytes = 4 * 1024 * 1024;
    static constexpr int kDefaultTimeoutMs = 15000;

signals:
    // The first contact with a server whose certificate the system does not trust: its
    // fingerprint is pinned now, and a different certificate will be refused.
    void certificatePinned(const QString& fingerprint);

private:
    void checkCertificate(QNetworkReply* reply, const QList<QSslError>& errors);
    // Sends the request; `done` gets the answer's JSON of a 2xx status, or the error.
    void send(const QByteArray& method, const QString& path, const QJsonObject& body,
              std::function<void(const ServerResult<QJsonObject>&)> done);
    template <class T>
    void call(const QByteArray& method, const QString& path, const QJsonObject& body,
              std::optional<T> (*read)(const QJsonObject&), Done<T> done);

    QString addressError_; // why the player's text is no address; set by server_'s making
    QUrl server_;
    QByteArray token_;
    int timeoutMs_ = kDefaultTimeoutMs;
    QNetworkAccessManager network_;
};

// For the command line: runs `ask` and waits in a local event loop for its answer.
template <class T> ServerResult<T> waitFor(const std::function<void(ServerClient::Done<T>)>& ask);
