#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Watches folders where move files arrive. Every move file (*.krv) in them is reported once
// it has settled (unchanged for a moment, so that a download still being written is not read
// half-way), when the watching starts and whenever it appears or changes later. A folder that
// goes away is watched again once it comes back. Nothing in the folders is ever written.
class MoveWatcher : public QObject {
    Q_OBJECT
public:
    explicit MoveWatcher(QObject* parent = nullptr);

    // Watches these folders from now on, and reports the move files already in them.
    void setFolders(const QStringList& folders);
    const QStringList& folders() const { return folders_; }
    // The folder is watched now: false while it is gone.
    bool isWatching(const QString& folder) const { return watcher_.directories().contains(folder); }
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
    void folderChanged(const QString& folder);
    void scanDue();
    void scan(const QString& folder);
    void lookForGoneFolders();

    QFileSystemWatcher watcher_;
    QStringList folders_;
    QHash<QString, Seen> seen_;
    // Folders to look through at the next scan.
    QSet<QString> due_;
    QTimer scanTimer_;
    QTimer goneTimer_;
    int settleMs_ = 1000;
};
