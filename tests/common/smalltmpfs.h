#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

// A real, tiny file system that the test can fill to the last byte: a tmpfs mounted on a
// temporary folder. Mounting needs the superuser; skipReason() says why when it failed.
class SmallTmpfs {
public:
    explicit SmallTmpfs(int kilobytes) {
        if (!dir_.isValid()) {
            why_ = QStringLiteral("no temporary folder for the mount point");
            return;
        }
        if (::geteuid() != 0) {
            why_ = QStringLiteral("mounting a small tmpfs needs the superuser; run as root to "
                                  "test saving onto a full disk");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            why_ = QStringLiteral("cannot mount a tmpfs here (%1)")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        mounted_ = true;
    }
    ~SmallTmpfs() {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool isMounted() const { return mounted_; }
    const QString& skipReason() const { return why_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes a filler file until the file system refuses more, then frees `spare` bytes of
    // it, so that exactly that much room is left.
    bool fillLeaving(qint64 spare) {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        // A partly written last block may remain; what counts is the size on disk now.
        const qint64 size = filler.size();
        filler.close();
        return spare <= size && QFile::resize(filler.fileName(), size - spare);
    }

private:
    QTemporaryDir dir_;
    QString why_;
    bool mounted_ = false;
};
