#include "app/games/movewatcher.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A folder of downloads may hold anything; only so many move files are looked at in one.
constexpr qsizetype kMaxFilesPerFolder = 10000;

} // namespace

MoveWatcher::MoveWatcher(QObject* parent) : QObject(parent) {
    scanTimer_.setSingleShot(true);
    connect(&scanTimer_, &QTimer::timeout, this, &MoveWatcher::scanDue);
    goneTimer_.setInterval(2000);
    connect(&goneTimer_, &QTimer::timeout, this, &MoveWatcher::lookForGoneFolders);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &MoveWatcher::folderChanged);
}

void MoveWatcher::setTimings(int settleMs, int lookForGoneMs) {
    settleMs_ = settleMs;
    goneTimer_.setInterval(lookForGoneMs);
}

void MoveWatcher::setFolders(const QStringList& folders) {
    if (const QStringList watched = watcher_.directories(); !watched.isEmpty())
        watcher_.removePaths(watched);
    folders_ = folders;
    for (const QString& folder : folders_) {
        if (QFileInfo(folder).isDir())
            watcher_.addPath(folder);
        due_.insert(folder);
    }
    scanTimer_.start(0);
    lookForGoneFolders();
}

void MoveWatcher::markSeen(const QString& path) {
    const QFileInfo file(path);
    seen_.insert(file.absoluteFilePath(), {file.size(), file.lastModified()});
}

void MoveWatcher::folderChanged(const QString& folder) {
    due_.insert(folder);
    // A burst of changes (a download written piece by piece) is looked at once.
    if (!scanTimer_.isActive())
        scanTimer_.start(std::min(settleMs_, 200));
    // Gone (the watcher lets a removed folder go), or already back: looked for until found.
    if (!QFileInfo(folder).isDir())
        watcher_.removePath(folder);
    lookForGoneFolders();
}

void MoveWatcher::scanDue() {
    const QSet<QString> folders = std::exchange(due_, {});
    for (const QString& folder : folders)
        scan(folder);
}

void MoveWatcher::scan(const QString& folder) {
    if (!folders_.contains(folder))
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.krv")}, QDir::Files, QDir::Name);
    bool unsettled = false;
    for (const QFileInfo& file : files.mid(0, kMaxFilesPerFolder)) {
        const Seen state{file.size(), file.lastModified()};
        const QString path = file.absoluteFilePath();
        if (seen_.value(path) == state)
            continue;
        // Still being written, perhaps: looked at again once it has settled. (A time in the
        // future, from an unpacked archive say, never settles: it counts as settled.)
        const qint64 age = state.modified.toUTC().msecsTo(now);
        if (age >= 0 && age < settleMs_) {
            unsettled = true;
            continue;
        }
        seen_.insert(path, state);
        emit fileArrived(path);
    }
    if (unsettled) {
        due_.insert(folder);
        scanTimer_.start(settleMs_);
    }
}

void MoveWatcher::lookForGoneFolders() {
    bool missing = false;
    const QStringList watched = watcher_.directories();
    for (const QString& folder : std::as_const(folders_)) {
        if (watched.contains(folder))
            continue;
        if (QFileInfo(folder).isDir() && watcher_.addPath(folder)) {
            // Back: what came with it is looked at.
            due_.insert(folder);
            scanTimer_.start(0);
        } else {
            missing = true;
        }
    }
    if (missing)
        goneTimer_.start();
    else
        goneTimer_.stop();
}
