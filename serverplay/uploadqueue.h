#pragma once

#include "movefile/gameid.h"
#include "serverplay/outboxentry.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class ServerClient;

// A turn Save queued for its server, as the games list shows it.
struct PendingUpload {
    QUrl server;
    GameId game;
    int move = 0;
    QString gameName;
    QDateTime since;
    QString lastError;    // why the last attempt failed; empty before the first
    bool refused = false; // the server said no with a reason: it is not tried again
};

// What the games list says of a queued turn: "not yet delivered", or the server's refusal
// with its reason shown through `quote` (the server's words are untrusted).
QString deliveryText(const PendingUpload& upload,
                     const std::function<QString(const QString&)>& quote);

// Save's upload of a server game's turn, kept on disk until the server took it: one file per
// turn in the outbox, written safely and read back when Korva starts, so that neither a
// server that is away nor a restart of Korva loses a turn. Tries again with growing waits
// while the server cannot be reached, is busy or failing (1 s doubling to 5 minutes, each
// shortened by a random part); a refusal with a reason ends the tries for that turn and keeps
// the reason. A turn leaves the queue only when the server took it; the server answers a
// second upload of the same bytes as the first, so an answer lost on the way costs nothing.
class UploadQueue : public QObject {
    Q_OBJECT
public:
    // The outbox in Korva's data folder.
    static QString defaultFolder();

    explicit UploadQueue(const QString& folder = defaultFolder(), QObject* parent = nullptr);
    ~UploadQueue() override;

    // Begins sending what is queued; a queue never started only reads (as `korva --games`).
    void start();
    // Tries every waiting turn now (the server is back, or the player asked).
    void retryNow();
    // Where a server's token comes from: the player's kept one (TokenStore) unless set.
    using TokenFor = std::function<std::optional<QByteArray>(const QUrl& server)>;
    void setTokenFor(TokenFor tokenFor) { tokenFor_ = std::move(tokenFor); }

    // Every queued turn, the refused ones included, oldest first.
    QList<PendingUpload> pending() const;
    // Whether a turn of the game is waiting to go (not refused).
    bool isPending(const GameId& game) const;
    // The game's queued turn, waiting or refused.
    std::optional<PendingUpload> pendingFor(const GameId& game) const;
    // What was found damaged in the outbox and set aside, one line each.
    const QStringList& warnings() const { return warnings_; }

    // Queues the turn (in place of an earlier save of the same move); an empty text when it is
    // kept on disk, else why not.
    QString enqueue(const QUrl& server, const GameId& game, int move, const QByteArray& file,
                    const QByteArray& report, const QString& gameName = {});
    // Drops the game's queued turn of that move (the player gave up on a refused one).
    void forget(const GameId& game, int move);

    // For tests: the first wait and its cap.
    void setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds most);

    static constexpr std::chrono::milliseconds kFirstDelay{1000};
    static constexpr std::chrono::milliseconds kMaxDelay{5 * 60 * 1000};

signals:
    void delivered(const GameId& game, int move);
    void failed(const GameId& game, int move, const QString& error, bool refused);
    void changed();

private:
    struct Backoff {
        std::chrono::milliseconds delay{0};
        QDateTime next;
    };
    void load();
    void setAside(const QString& path);
    QString write(const OutboxEntry& entry) const;
    OutboxEntry* find(const GameId& game, int move);
    void sendNext();
    void send(OutboxEntry& entry);
    void answered(const OutboxEntry& sent, int status, bool taken, const QString& error);
    void wait(const QString& server);

    QString folder_;
    std::vector<OutboxEntry> entries_;
    QStringList warnings_;
    std::map<QString, Backoff> backoff_; // by server
    std::chrono::milliseconds firstDelay_ = kFirstDelay;
    std::chrono::milliseconds maxDelay_ = kMaxDelay;
    QTimer timer_;
    std::unique_ptr<ServerClient> inFlight_;
    bool started_ = false;
    TokenFor tokenFor_;
};
