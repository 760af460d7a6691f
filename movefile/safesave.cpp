#include "movefile/safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// fsync, again when a signal interrupted it; answers 0 or the error number.
int syncDescriptor(int fd) {
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

// Makes the rename itself durable. A folder that cannot be opened for reading cannot be
// synced by anyone; the file in it already is, so that is no failure.
int syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int code = syncDescriptor(fd);
    ::close(fd);
    return code;
}

} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                    const SaveFaults& faults) {
    const QFileInfo target(path);
    if (target.isDir())
        return fail(error, QStringLiteral("%1 is a folder").arg(path));
    QSaveFile file(path);
    // Never fall back to writing over the target in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a full disk fails the write that meets it, not a later flush
    // whose failure commit() may not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());

    constexpr qint64 kChunk = 64 * 1024;
    qint64 written = 0;
    while (written < bytes.size()) {
        qint64 chunk = std::min(kChunk, bytes.size() - written);
        bool forced = false;
        if (faults.failWriteAfter >= 0 && written + chunk > faults.failWriteAfter) {
            chunk = faults.failWriteAfter - written;
            forced = true;
        }
        const qint64 n = chunk > 0 ? file.write(bytes.constData() + written, chunk) : 0;
        if (n != chunk || forced) {
            const QString reason =
                forced ? QStringLiteral("writing failed part-way") : file.errorString();
            file.cancelWriting(); // which replaces the error text
            return fail(error, reason);
        }
        written += n;
    }
    // Whatever write the device still holds back must have reached the file.
    if (faults.failFlush || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = faults.failFlush
                                   ? QStringLiteral("the last bytes could not be written")
                                   : file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    // Every byte on the disk before the old file is replaced.
    if (const int code = faults.failSync ? EIO : syncDescriptor(file.handle())) {
        file.cancelWriting();
        return fail(
            error,
            QStringLiteral("the file could not be synced to the disk: %1").arg(systemError(code)));
    }
    if (faults.failRename) {
        file.cancelWriting();
        file.commit();
        return fail(error, QStringLiteral("the file could not be replaced"));
    }
    if (!file.commit())
        return fail(error, file.errorString());
    if (const int code = faults.failFolderSync ? EIO : syncFolder(target.absolutePath()))
        return fail(error, QStringLiteral("the folder could not be synced to the disk: %1")
                               .arg(systemError(code)));
    return true;
}
