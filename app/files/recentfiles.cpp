#include "app/files/recentfiles.h"

#include "app/shell/korvasettings.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

RecentFiles::RecentFiles(KorvaSettings& settings) : settings_(settings) {
    reload();
}

void RecentFiles::reload() {
    // A hand-edited settings file may hold anything: keep distinct names, at most the limit.
    files_.clear();
    for (const QString& path : settings_.recentFiles()) {
        if (path.isEmpty() || files_.size() == kLimit)
            continue;
        const QString clean = normalised(path);
        if (!files_.contains(clean))
            files_ << clean;
    }
}

void RecentFiles::add(const QString& path) {
    reload();
    // Noted after the reload, whose sync would otherwise write it out on its own.
    settings_.noteFile(path);
    const QString clean = normalised(path);
    files_.removeAll(clean);
    files_.prepend(clean);
    while (files_.size() > kLimit)
        files_.removeLast();
    store();
}

void RecentFiles::remove(const QString& path) {
    reload();
    if (files_.removeAll(normalised(path)) > 0)
        store();
}

void RecentFiles::clear() {
    files_.clear();
    store();
}

QStringList RecentFiles::existingFiles() {
    reload();
    const qsizetype before = files_.size();
    files_.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    if (files_.size() != before)
        store();
    return files_;
}

void RecentFiles::store() {
    settings_.setRecentFiles(files_);
}
