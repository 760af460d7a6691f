#include "app/export/framesink.h"

#include "base/leftovers.h"
#include "base/pngstreamwriter.h"
#include "base/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The hidden name a folder of frames is made under, beside its target.
constexpr char kMakingPrefix[] = ".korva-frames-";
// Where locks do not work (some network file systems) a folder this old is taken for a
// leftover: no export takes that long.
constexpr std::time_t kUnlockedLeftOverAge = 60 * 60;
// Rows of a frame handed to the PNG writer at a time, asking between them whether to go on.
constexpr int kPngRows = 256;

using leftovers::lockDescriptor;

// Removes a folder of frames that no export holds: its files (the frames and a save's
// temporary file), then itself. Only our own real folder, and only the one judged.
void clearIfLeftOver(int parent, const char* name) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISDIR(opened.st_mode) &&
        leftovers::isLeftOver(parent, name, fd, opened, kUnlockedLeftOverAge)) {
        if (DIR* inside = ::fdopendir(::dup(fd))) {
            while (const dirent* entry = ::readdir(inside))
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                    ::unlinkat(::dirfd(inside), entry->d_name, 0);
            ::closedir(inside);
        }
        ::unlinkat(parent, name, AT_REMOVEDIR);
    }
    ::close(fd);
}

} // namespace

WebPFileSink::WebPFileSink(QString path, QSize size, int frameMs)
    : path_(std::move(path)), writer_(size, frameMs) {}

QImage* WebPFileSink::nextCanvas() {
    return writer_.isValid() ? writer_.nextCanvas(keepGoingCheck()) : nullptr;
}

bool WebPFileSink::addFrame(QString*) {
    writer_.addFrame();
    return true;
}

bool WebPFileSink::finish(QString* error) {
    QString why;
    const QByteArray bytes = writer_.finish(&why, keepGoingCheck());
    if (bytes.isEmpty()) {
        if (error)
            *error =
                why.isEmpty()
                    ? QCoreApplication::translate("FrameSink", "the animation could not be encoded")
                    : why;
        return false;
    }
    return saveFileSafely(path_, bytes, error);
}

PngFolderSink::PngFolderSink(QString folder, QSize size, int frameCount)
    : folder_(std::move(folder)), canvas_(size, QImage::Format_RGB32),
      digits_(std::max(4, int(QString::number(frameCount).size()))) {}

PngFolderSink::~PngFolderSink() {
    making_.reset();
    if (lock_ >= 0)
        ::close(lock_);
}

void PngFolderSink::clearLeftOvers(const QString& folder) {
    DIR* dir = ::opendir(QFile::encodeName(QFileInfo(folder).absolutePath()).constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir))
        if (std::strncmp(entry->d_name, kMakingPrefix, sizeof kMakingPrefix - 1) == 0)
            clearIfLeftOver(::dirfd(dir), entry->d_name);
    ::closedir(dir);
}

QString PngFolderSink::refusal(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QCoreApplication::translate("FrameSink", "it is there and is not a folder");
    if (info.exists() && !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System))
        return QCoreApplication::translate("FrameSink", "the folder is not empty");
    if (!info.dir().exists())
        return QCoreApplication::translate("FrameSink", "the folder it would go in does not exist");
    return {};
}

QImage* PngFolderSink::nextCanvas() {
    return canvas_.isNull() ? nullptr : &canvas_;
}

bool PngFolderSink::addFrame(QString* error) {
    if (!making_) {
        clearLeftOvers(folder_);
        // Beside the target, so that the last step is a rename within one file system.
        const QFileInfo target(folder_);
        making_ = std::make_unique<QTemporaryDir>(target.absolutePath() + QLatin1Char('/') +
                                                  QLatin1String(kMakingPrefix) +
                                                  QStringLiteral("XXXXXX"));
        if (!making_->isValid()) {
            if (error)
                *error = making_->errorString();
            making_.reset();
            return false;
        }
        lock_ = ::open(QFile::encodeName(making_->path()).constData(),
                       O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (lock_ >= 0)
            lockDescriptor(lock_, LOCK_EX);
    }
    // A few rows at a time, so that a large frame can be stopped half-way.
    PngStreamWriter png(canvas_.size());
    for (int top = 0; top < canvas_.height(); top += kPngRows) {
        if (!keepGoing())
            return false;
        const int rows = std::min(kPngRows, canvas_.height() - top);
        // A view of the canvas, which stays as it is until finish() below.
        png.write(QImage(canvas_.constScanLine(top), canvas_.width(), rows, canvas_.bytesPerLine(),
                         canvas_.format()));
    }
    const QByteArray bytes = png.finish();
    if (bytes.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("FrameSink", "the picture could not be encoded");
        return false;
    }
    ++written_;
    const QString name =
        QStringLiteral("frame-%1.png").arg(written_, digits_, 10, QLatin1Char('0'));
    return saveFileSafely(making_->filePath(name), bytes, error);
}

bool PngFolderSink::finish(QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!making_)
        return fail(QCoreApplication::translate("FrameSink", "there were no frames"));
    const QString refused = refusal(folder_);
    if (!refused.isEmpty())
        return fail(refused);
    // An empty folder of that name makes way; anything else stays, and the frames go.
    const QFileInfo target(folder_);
    if (target.exists() && !QDir().rmdir(target.absoluteFilePath()))
        return fail(
            QCoreApplication::translate("FrameSink", "the empty folder there cannot be replaced"));
    if (!QDir().rename(making_->path(), target.absoluteFilePath()))
        return fail(QCoreApplication::translate("FrameSink",
                                                "the folder of frames cannot be given its name"));
    making_->setAutoRemove(false);
    making_.reset();
    if (lock_ >= 0)
        ::close(lock_);
    lock_ = -1;
    // A temporary folder is its owner's alone; the frames are meant to be shared.
    QFile::setPermissions(target.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadGroup |
                                                         QFile::ExeGroup | QFile::ReadOther |
                                                         QFile::ExeOther);
    return true;
}
