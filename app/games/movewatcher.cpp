#include "app/games/movewatcher.h"

#include "history/arrivedmove.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

MoveWatcher::MoveWatcher(QObject* parent) : QObject(parent) {
    lister_.setMaxThreadCount(1);
    scanTimer_.setSingleShot(true);
    connect(&scanTimer_, &QTimer::timeout, this, &MoveWatcher::scanDue);
    goneTimer_.setInterval(2000);
    connect(&goneTimer_, &QTimer::timeout, this, &MoveWatcher::lookForGoneFolders);
}

MoveWatcher::~MoveWatcher() {
    // A listing still on its way finds no watcher: its answer is dropped with the object.
    lister_.waitForDone();
}

void MoveWatcher::setTimings(int settleMs, int lookForGoneMs) {
    settleMs_ = settleMs;
    goneTimer_.setInterval(lookForGoneMs);
}

bool MoveWatcher::isWatching(const QString& folder) const {
    return watchedNow().contains(folder);
}

QStringList MoveWatcher::watchedNow() const {
    return watcher_ ? watcher_->directories() : QStringList();
}

void MoveWatcher::setFolders(const QStringList& folders) {
    if (const QStringList watched = watchedNow(); !watched.isEmpty())
        watcher_->removePaths(watched);
    folders_ = folders;
    // Most players watch no folder: the system's watcher (an inotify instance) only when
    // there is one.
    if (!folders_.isEmpty() && !watcher_) {
        watcher_ = std::make_unique<QFileSystemWatcher>();
        connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, this,
                &MoveWatcher::folderChanged);
    }
    for (const QString& folder : folders_) {
        if (QFileInfo(folder).isDir())
            watcher_->addPath(folder);
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
        watcher_->removePath(folder);
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
    lister_.start([this, folder] {
        QList<Listed> files;
        for (const QFileInfo& file : watchedMoveFiles(folder))
            files.append({file.absoluteFilePath(), {file.size(), file.lastModified()}});
        QMetaObject::invokeMethod(this, [this, folder, files] { listed(folder, files); });
    });
}

void MoveWatcher::listed(const QString& folder, const QList<Listed>& files) {
    if (!folders_.contains(folder))
        return; // no longer watched
    const QDateTime now = QDateTime::currentDateTimeUtc();
    bool unsettled = false;
    for (const Listed& file : files) {
        if (seen_.value(file.path) == file.state)
            continue;
        // Still being written, perhaps: looked at again once it has settled. (A time in the
        // future, from an unpacked archive say, never settles: it counts as settled.)
        const qint64 age = file.state.modified.toUTC().msecsTo(now);
        if (age >= 0 && age < settleMs_) {
            unsettled = true;
            continue;
        }
        seen_.insert(file.path, file.state);
        emit fileArrived(file.path);
    }
    if (unsettled) {
        due_.insert(folder);
        scanTimer_.start(settleMs_);
    }
}

void MoveWatcher::lookForGoneFolders() {
    bool missing = false;
    const QStringList watched = watchedNow();
    for (const QString& folder : std::as_const(folders_)) {
        if (watched.contains(folder))
            continue;
        if (QFileInfo(folder).isDir() && watcher_->addPath(folder)) {
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
