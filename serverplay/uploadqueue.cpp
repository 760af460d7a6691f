#include "serverplay/uploadqueue.h"

#include "base/safesave.h"
#include "serverplay/serverclient.h"
#include "serverplay/tokenstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>

namespace {

// A server away, failing or busy: worth another try. A 2xx whose answer could not be read
// may have taken the turn, and a second upload of the same bytes is answered as the first.
bool worthRetrying(int status) {
    return status == 0 || status == 429 || status >= 500 || (status >= 200 && status < 300);
}

PendingUpload shown(const OutboxEntry& entry) {
    return {entry.server, entry.game,      entry.move,   entry.gameName,
            entry.since,  entry.lastError, entry.refused};
}

} // namespace

QString UploadQueue::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/servers/outbox");
}

QString deliveryText(const PendingUpload& upload,
                     const std::function<QString(const QString&)>& quote) {
    return upload.refused ? QCoreApplication::translate("GameList", "refused by the server: %1")
                                .arg(quote(upload.lastError))
                          : QCoreApplication::translate("GameList", "not yet delivered");
}

UploadQueue::UploadQueue(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &UploadQueue::sendNext);
    load();
}

UploadQueue::~UploadQueue() = default;

void UploadQueue::load() {
    const QDir dir(folder_);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.upload")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        QFile file(path);
        std::optional<OutboxEntry> entry;
        if (file.open(QIODevice::ReadOnly))
            entry = outboxentry::decode(file.read(outboxentry::kMaxEntryBytes + 1));
        // An entry under another's name would stand for a turn it is not.
        if (!entry || outboxentry::fileName(entry->game, entry->move) != name) {
            setAside(path);
            continue;
        }
        entries_.push_back(std::move(*entry));
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const OutboxEntry& a, const OutboxEntry& b) { return a.since < b.since; });
}

void UploadQueue::setAside(const QString& path) {
    const QString aside = folder_ + QStringLiteral("/damaged");
    const QString target = aside + QLatin1Char('/') + QFileInfo(path).fileName() +
                           QLatin1Char('.') + QString::number(QDateTime::currentMSecsSinceEpoch());
    const bool moved = QDir().mkpath(aside) && QFile::rename(path, target);
    warnings_ << (moved ? QCoreApplication::translate(
                              "UploadQueue",
                              "a queued upload was damaged and is set aside as %1; its turn "
                              "must be saved again")
                              .arg(target)
                        : QCoreApplication::translate(
                              "UploadQueue", "a queued upload is damaged and could not be set "
                                             "aside: %1")
                              .arg(path));
    qWarning("%s", qPrintable(warnings_.last()));
}

QString UploadQueue::write(const OutboxEntry& entry) const {
    if (!QDir().mkpath(folder_))
        return QCoreApplication::translate("UploadQueue", "the folder %1 could not be made")
            .arg(folder_);
    QString error;
    if (!saveFileSafely(folder_ + QLatin1Char('/') + outboxentry::fileName(entry.game, entry.move),
                        outboxentry::encode(entry), &error, {}, FileAccess::OwnerOnly))
        return error;
    return {};
}

OutboxEntry* UploadQueue::find(const GameId& game, int move) {
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const OutboxEntry& e) {
        return e.game == game && e.move == move;
    });
    return at == entries_.end() ? nullptr : &*at;
}

QList<PendingUpload> UploadQueue::pending() const {
    QList<PendingUpload> list;
    for (const OutboxEntry& entry : entries_)
        list << shown(entry);
    return list;
}

bool UploadQueue::isPending(const GameId& game) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const OutboxEntry& e) { return e.game == game && !e.refused; });
}

std::optional<PendingUpload> UploadQueue::pendingFor(const GameId& game) const {
    for (const OutboxEntry& entry : entries_)
        if (entry.game == game)
            return shown(entry);
    return std::nullopt;
}

QString UploadQueue::enqueue(const QUrl& server, const GameId& game, int move,
                             const QByteArray& file, const QByteArray& report,
                             const QString& gameName) {
    OutboxEntry entry{server, game,   move, gameName, QDateTime::currentDateTimeUtc(),
                      file,   report, {},   false};
    if (const QString notKept = write(entry); !notKept.isEmpty())
        return notKept;
    if (OutboxEntry* earlier = find(game, move))
        *earlier = std::move(entry);
    else
        entries_.push_back(std::move(entry));
    emit changed();
    retryNow();
    return {};
}

void UploadQueue::forget(const GameId& game, int move) {
    const auto end = std::remove_if(entries_.begin(), entries_.end(), [&](const OutboxEntry& e) {
        return e.game == game && e.move == move;
    });
    if (end == entries_.end())
        return;
    entries_.erase(end, entries_.end());
    QFile::remove(folder_ + QLatin1Char('/') + outboxentry::fileName(game, move));
    emit changed();
}

void UploadQueue::setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds most) {
    firstDelay_ = first;
    maxDelay_ = most;
}

void UploadQueue::start() {
    started_ = true;
    sendNext();
}

void UploadQueue::retryNow() {
    backoff_.clear();
    if (started_ && !inFlight_)
        timer_.start(0);
}

void UploadQueue::sendNext() {
    if (!started_ || inFlight_)
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::optional<QDateTime> soonest;
    for (OutboxEntry& entry : entries_) {
        if (entry.refused)
            continue;
        const auto waiting = backoff_.find(entry.server.toString());
        if (waiting == backoff_.end() || waiting->second.next <= now) {
            send(entry);
            return;
        }
        soonest = std::min(soonest.value_or(waiting->second.next), waiting->second.next);
    }
    if (soonest)
        timer_.start(std::chrono::milliseconds(std::max<qint64>(0, now.msecsTo(*soonest))));
}

void UploadQueue::send(OutboxEntry& entry) {
    const std::optional<QByteArray> token =
        tokenFor_ ? tokenFor_(entry.server) : TokenStore(entry.server).token();
    if (!token) {
        answered(entry, 401, false,
                 QCoreApplication::translate("UploadQueue",
                                             "you have no token for this server; register first"));
        timer_.start(0);
        return;
    }
    inFlight_ = std::make_unique<ServerClient>(entry.server.toString());
    inFlight_->setToken(*token);
    inFlight_->uploadTurn(
        entry.game, entry.file, entry.report,
        [this, sent = entry](const ServerResult<serverreplies::TurnTaken>& answer) {
            // The client is done with once this returns, not inside its own callback.
            inFlight_.release()->deleteLater();
            answered(sent, answer.status, answer.ok(), answer.error);
            sendNext();
        });
}

void UploadQueue::answered(const OutboxEntry& sent, int status, bool taken, const QString& error) {
    OutboxEntry* entry = find(sent.game, sent.move);
    // A later save of the move took this one's place meanwhile: it goes on its own.
    if (!entry || entry->file != sent.file || entry->report != sent.report)
        return;
    if (taken) {
        backoff_.erase(sent.server.toString());
        forget(sent.game, sent.move);
        emit delivered(sent.game, sent.move);
        return;
    }
    const bool retry = worthRetrying(status);
    const bool news = entry->lastError != error || entry->refused == retry;
    entry->lastError = error;
    entry->refused = !retry;
    if (news) {
        // Kept, so that a restart shows the reason and does not try a refused turn again.
        if (const QString notKept = write(*entry); !notKept.isEmpty())
            qWarning("%s", qPrintable(notKept));
        emit changed();
    }
    if (retry)
        wait(sent.server.toString());
    emit failed(sent.game, sent.move, error, !retry);
}

void UploadQueue::wait(const QString& server) {
    Backoff& backoff = backoff_[server];
    backoff.delay =
        backoff.delay.count() == 0 ? firstDelay_ : std::min(backoff.delay * 2, maxDelay_);
    const qint64 full = backoff.delay.count();
    const qint64 jittered = full - qint64(QRandomGenerator::global()->bounded(full / 2 + 1));
    backoff.next = QDateTime::currentDateTimeUtc().addMSecs(jittered);
}
