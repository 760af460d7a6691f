#include "base/safesave.h"

#include "base/leftovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save's temporary file is named so, then 12 hex digits: hidden in the folder, and known
// to the next save into it when a killed save left one behind.
constexpr char kTemporaryPrefix[] = ".korva-save-";
// Where locks do not work (some network file systems) a temporary file this old is taken
// for a leftover: no save of a move file or a picture takes that long.
constexpr std::time_t kUnlockedLeftOverAge = 10 * 60;
// Symbolic links followed at most, as the kernel does.
constexpr int kMaxLinks = 40;

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
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
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int code = syncDescriptor(fd);
    ::close(fd);
    return code;
}

using leftovers::lockDescriptor;
using leftovers::sameFile;

// The file a save into `path` replaces: symbolic links followed to the file they name,
// which need not exist yet (editors write through links too). Empty for an endless chain.
QString fileBehind(const QString& path) {
    QFileInfo info(path);
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == kMaxLinks)
            return {};
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

// Removes a temporary file that a save left behind: a save holds its own locked until it
// is done, and a killed one holds no lock any more. Where locks do not work, only an old
// one goes. Only our own regular files, and only the file judged, not one that took its
// name meanwhile.
void clearIfLeftOver(int folder, const char* name) {
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        leftovers::isLeftOver(folder, name, fd, opened, kUnlockedLeftOverAge))
        ::unlinkat(folder, name, 0);
    ::close(fd);
}

void clearLeftOvers(const QString& folder) {
    DIR* dir = ::opendir(encoded(folder).constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir))
        if (std::strncmp(entry->d_name, kTemporaryPrefix, sizeof kTemporaryPrefix - 1) == 0)
            clearIfLeftOver(::dirfd(dir), entry->d_name);
    ::closedir(dir);
}

// A new temporary file in the folder, open for writing and locked while it stays open, with
// the permissions of the file it replaces (`keep`; for a new one the umask's); fd -1
// with errno set when none can be made.
struct Temporary {
    int fd = -1;
    QByteArray path;
};

Temporary createTemporary(const QString& folder, std::optional<mode_t> keep) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const quint64 random = QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFull;
        const QByteArray path = encoded(folder) + '/' + kTemporaryPrefix +
                                QByteArray::number(random, 16).rightJustified(12, '0');
        const int fd =
            ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                   keep.value_or(0666));
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        // Another save that took it for a leftover between the open and the lock removed
        // it: then another name. Without locks there is no such save to fear.
        const int code = lockDescriptor(fd, LOCK_EX);
        struct stat opened {};
        struct stat named {};
        if (code == 0 || code == ENOLCK || code == EOPNOTSUPP || code == ENOSYS) {
            if (::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
                sameFile(opened, named)) {
                // Exactly the replaced file's permissions; the umask only ever narrowed them.
                if (keep)
                    ::fchmod(fd, *keep);
                return {fd, path};
            }
        }
        ::close(fd);
    }
    errno = EEXIST;
    return {};
}

// Why the save may not replace what stands at `target` (`existing`, null when nothing does);
// empty when it may. `errno` is stat's when nothing stands there.
QString refusal(const QString& target, const QString& shown, const struct stat* existing) {
    if (!existing)
        return errno == ENOENT ? QString()
                               : QStringLiteral("%1: %2").arg(shown, systemError(errno));
    // Renaming over a FIFO or a device would put a file in its place.
    if (S_ISDIR(existing->st_mode))
        return QCoreApplication::translate("SafeSave", "%1 is a folder").arg(shown);
    if (!S_ISREG(existing->st_mode))
        return QCoreApplication::translate("SafeSave", "%1 is not a regular file").arg(shown);
    if (::access(encoded(target).constData(), W_OK) != 0)
        return QCoreApplication::translate("SafeSave", "%1 is not writable").arg(shown);
    return {};
}

// Every byte to `fd`; why it failed, or empty.
QString writeAll(int fd, const QByteArray& bytes, const SaveFaults& faults) {
    constexpr qint64 kChunk = 64 * 1024;
    qint64 written = 0;
    while (written < bytes.size()) {
        qint64 chunk = std::min(kChunk, bytes.size() - written);
        if (faults.failWriteAfter >= 0 && written + chunk > faults.failWriteAfter) {
            if (written >= faults.failWriteAfter)
                return QCoreApplication::translate("SafeSave", "writing failed part-way");
            chunk = faults.failWriteAfter - written;
        }
        // A disk that fills part-way takes a short write first, then says why at the next.
        const ssize_t n = ::write(fd, bytes.constData() + written, static_cast<std::size_t>(chunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return systemError(n < 0 ? errno : EIO);
        written += n;
    }
    return {};
}

} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                    const SaveFaults& faults, FileAccess access) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString target = fileBehind(path);
    if (target.isEmpty())
        return fail(error, QStringLiteral("%1: %2").arg(shown, systemError(ELOOP)));
    struct stat existing {};
    const bool exists = ::stat(encoded(target).constData(), &existing) == 0;
    if (const QString refused = refusal(target, shown, exists ? &existing : nullptr);
        !refused.isEmpty())
        return fail(error, refused);

    const QString folder = QFileInfo(target).absolutePath();
    clearLeftOvers(folder);
    std::optional<mode_t> mode;
    if (access == FileAccess::OwnerOnly)
        mode = S_IRUSR | S_IWUSR;
    else if (exists)
        mode = existing.st_mode & 0777;
    const Temporary temporary = createTemporary(folder, mode);
    if (temporary.fd < 0)
        return fail(error, systemError(errno));
    const auto giveUp = [&](const QString& reason) {
        ::unlink(temporary.path.constData());
        ::close(temporary.fd);
        return fail(error, reason);
    };

    if (const QString failed = writeAll(temporary.fd, bytes, faults); !failed.isEmpty())
        return giveUp(failed);
    if (faults.abandon) {
        ::close(temporary.fd);
        return fail(error, QCoreApplication::translate("SafeSave", "the save was abandoned"));
    }
    // Every byte on the disk before the old file is replaced.
    if (const int code = faults.failSync ? EIO : syncDescriptor(temporary.fd))
        return giveUp(
            QCoreApplication::translate("SafeSave", "the file could not be synced to the disk: %1")
                .arg(systemError(code)));
    if (faults.failRename)
        return giveUp(QCoreApplication::translate("SafeSave", "the file could not be replaced"));
    if (::rename(temporary.path.constData(), encoded(target).constData()) != 0) {
        const int code = errno;
        return giveUp(QCoreApplication::translate("SafeSave", "the file could not be replaced: %1")
                          .arg(systemError(code)));
    }
    // Held until now, so that no other save took the temporary file for a leftover.
    ::close(temporary.fd);
    if (const int code = faults.failFolderSync ? EIO : syncFolder(folder))
        return fail(error, QCoreApplication::translate(
                               "SafeSave", "the folder could not be synced to the disk: %1")
                               .arg(systemError(code)));
    return true;
}
