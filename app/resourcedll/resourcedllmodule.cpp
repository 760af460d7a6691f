#include "app/resourcedll/resourcedllmodule.h"

#include "app/resourcedll/dibfile.h"
#include "app/resourcedll/dibimage.h"
#include "board/pictureids.h"

#include <QFile>
#include <QFileInfo>

#include <span>

namespace {

dibfile::SizeLimit limitFor(int id) {
    const QSize limit = pictureids::readLimit(id);
    return {limit.width(), limit.height()};
}

std::span<const std::uint8_t> asSpan(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QByteArray readModuleFile(const QString& path, const QString& name) {
    const QFileInfo info(path);
    if (!info.exists())
        throw ResourceError(name, std::string("the file does not exist"));
    if (info.isDir())
        throw ResourceError(name, std::string("this is a folder, not a file"));
    if (!info.isFile())
        throw ResourceError(name, std::string("this is not a regular file"));
    if (info.size() > ResourceDllModule::kMaxFileSize)
        throw ResourceError(name, "the file is too large (" + std::to_string(info.size()) +
                                      " bytes) for a picture module");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ResourceError(name, "cannot read the file: " + file.errorString().toStdString());
    // Read at most one byte beyond the limit, in case the file grew after the check.
    QByteArray bytes = file.read(ResourceDllModule::kMaxFileSize + 1);
    if (bytes.size() > ResourceDllModule::kMaxFileSize)
        throw ResourceError(name, std::string("the file is too large for a picture module"));
    if (file.error() != QFileDevice::NoError)
        throw ResourceError(name, "cannot read the file: " + file.errorString().toStdString());
    return bytes;
}

} // namespace

ResourceDllModule::ResourceDllModule(const QString& path)
    : ResourceDllModule(readModuleFile(path, QFileInfo(path).fileName()),
                        QFileInfo(path).fileName()) {}

ResourceDllModule::ResourceDllModule(QByteArray fileBytes, const QString& name)
    : bytes_(std::move(fileBytes)), name_(name) {
    index();
}

void ResourceDllModule::index() {
    std::vector<pefile::BitmapEntry> listed;
    try {
        listed = pefile::listBitmapResources(asSpan(bytes_));
    } catch (const pefile::PeFormatError& error) {
        throw ResourceError(name_, error.what());
    }
    const auto file = asSpan(bytes_);
    for (const pefile::BitmapEntry& entry : listed) {
        try {
            dibfile::inspectDib(file.subspan(entry.offset, entry.size), limitFor(entry.id));
            entries_.emplace(entry.id, entry);
        } catch (const dibfile::DibFormatError& error) {
            problems_.append(
                QStringLiteral("bitmap %1: %2").arg(entry.id).arg(QString::fromUtf8(error.what())));
        }
    }
}

QImage ResourceDllModule::bitmap(int id) const {
    if (!contains(id))
        throw ResourceError(name_, id);
    const std::lock_guard lock(cacheMutex_);
    if (const auto kept = decoded_.find(id); kept != decoded_.end())
        return kept->second;
    QImage image = decode(id);
    // Only what the game can draw is kept.
    const QSize use = pictureids::largestSize(id);
    if (!use.isEmpty() && (image.width() > use.width() || image.height() > use.height()))
        image = image.copy(QRect(QPoint(0, 0), image.size().boundedTo(use)));
    decoded_.emplace(id, image);
    return image;
}

QImage ResourceDllModule::decode(int id) const {
    const auto entry = entries_.find(id);
    if (entry == entries_.end())
        throw ResourceError(name_, id);
    try {
        return decodeDib(asSpan(bytes_).subspan(entry->second.offset, entry->second.size),
                         limitFor(id));
    } catch (const dibfile::DibFormatError& error) {
        throw ResourceError(name_,
                            "picture " + std::to_string(id) + " is damaged: " + error.what());
    }
}

bool ResourceDllModule::contains(int id) const {
    return entries_.count(id) != 0;
}

QString ResourceDllModule::name() const {
    return name_;
}

std::vector<int> ResourceDllModule::ids() const {
    std::vector<int> result;
    result.reserve(entries_.size());
    for (const auto& [id, entry] : entries_)
        result.push_back(id);
    return result;
}

std::unique_ptr<PictureModule> openResourceDll(const QString& path) {
    return std::make_unique<ResourceDllModule>(path);
}
