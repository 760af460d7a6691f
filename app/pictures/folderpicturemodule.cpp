#include "app/pictures/folderpicturemodule.h"

#include "board/pictureids.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The picture identifier a file name stands for ("2000.png" -> 2000), or -1.
int identifierOf(const QFileInfo& file) {
    const QString suffix = file.suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp"))
        return -1;
    bool ok = false;
    const int id = file.completeBaseName().toInt(&ok);
    return ok && id >= 0 ? id : -1;
}

} // namespace

FolderPictureModule::FolderPictureModule(const QString& folder, const QString& moduleName)
    : folder_(folder), moduleName_(moduleName) {
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const int id = identifierOf(entry);
        if (id < 0)
            continue;
        const bool png = entry.suffix().toLower() == QLatin1String("png");
        auto [at, inserted] = files_.emplace(id, entry.filePath());
        if (!inserted && png)
            at->second = entry.filePath();
    }
}

QString FolderPictureModule::name() const {
    return moduleName_ + QStringLiteral(" (folder ") + QDir::toNativeSeparators(folder_) +
           QLatin1Char(')');
}

bool FolderPictureModule::contains(int id) const {
    return files_.count(id) != 0;
}

QImage FolderPictureModule::bitmap(int id) const {
    const auto file = files_.find(id);
    if (file == files_.end())
        throw ResourceError(name(), id);
    std::lock_guard lock(mutex_);
    if (const auto found = decoded_.find(id); found != decoded_.end())
        return found->second;
    const std::string shown = QDir::toNativeSeparators(file->second).toStdString();
    QImageReader reader(file->second);
    // The header says the size: a picture far beyond its kind is refused before decoding.
    const QSize limit = pictureids::readLimit(id);
    const QSize size = reader.size();
    if (size.width() > limit.width() || size.height() > limit.height())
        throw ResourceError(moduleName_, "picture " + shown + " is too large (" +
                                             std::to_string(size.width()) + " x " +
                                             std::to_string(size.height()) + ", at most " +
                                             std::to_string(limit.width()) + " x " +
                                             std::to_string(limit.height()) + ")");
    // A header that lies about the size still cannot make the reader take more.
    constexpr qint64 kBytesPerPixel = 8;
    reader.setAllocationLimit(static_cast<int>(
        qint64{limit.width()} * limit.height() * kBytesPerPixel / (1024 * 1024) + 1));
    QImage image = reader.read();
    if (image.isNull())
        throw ResourceError(moduleName_, "cannot read picture " + shown + ": " +
                                             reader.errorString().toStdString());
    // Only what the game can draw is kept.
    const QSize use = pictureids::largestSize(id);
    if (!use.isEmpty() && (image.width() > use.width() || image.height() > use.height()))
        image = image.copy(QRect(QPoint(0, 0), image.size().boundedTo(use)));
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return decoded_.emplace(id, std::move(image)).first->second;
}
