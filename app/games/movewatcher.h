#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class QFileSystemWatcher;

// Watches folders where move files arrive. Every file in them that may be a move
// (watchedMoveFiles: named *.krv, no larger than a move file can be) is reported, newest
// first, once it has settled (unchanged for a moment, so that a download still being written
// is not read half-way), when the watching starts and whenever it appears or changes later.
// Folders are listed on a thread of the watcher's: a folder of thousands of files never holds
// up the window. A folder that goes away is watched again once it comes back. Nothing in the
// folders is ever written.
class MoveWatcher : public QObject {
    Q_OBJECT
public:
    explicit MoveWatcher(QObject* parent = nullptr);
    ~MoveWatcher() override;

    // Watches these folders from now on, and reports the move files already in them.
    void setFolders(const QStringList& folders);
    const QStringList& folders() const { return folders_; }
    // The folder is watched now: false while it is gone.
    bool isWatching(const QString& folder) const;
    // The system's watcher is made once there is a folder to watch.
    bool hasSystemWatcher() const { return watcher_ != nullptr; }
    // The file as it stands now is known (the player's own save into a watched folder): it is
    // reported again only once it changes.
    void markSeen(const QString& path);
    // How long a file must stay unchanged before it is reported, and how often folders that
    // are gone are looked for; tests shorten both.
    void setTimings(int settleMs, int lookForGoneMs);

signals:
    void fileArrived(const QString& path);

private:
    struct Seen {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Seen&) const = default;
    };
    struct Listed {
        QString path;
        Seen state;
    };
    void folderChanged(const QString& folder);
    void scanDue();
    void scan(const QString& folder);
    // A folder's listing, back from the thread.
    void listed(const QString& folder, const QList<Listed>& files);
    void lookForGoneFolders();
    QStringList watchedNow() const;

    std::unique_ptr<QFileSystemWatcher> watcher_;
    QStringList folders_;
    QHash<QString, Seen> seen_;
    // Folders to look through at the next scan.
    QSet<QString> due_;
    QTimer scanTimer_;
    QTimer goneTimer_;
    int settleMs_ = 1000;
    QThreadPool lister_;
};
