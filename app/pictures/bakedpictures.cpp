#include "app/pictures/bakedpictures.h"

#include "base/residentmemory.h"

#include <QResource>

#include <zstd.h>

#include <cstring>
#include <future>
#include <mutex>
#include <optional>
#include <thread>

namespace bakedpictures {
namespace {

using Sheet = std::map<int, QImage>;

constexpr int kHeaderInts = 4;
constexpr std::size_t kHeaderBytes = kHeaderInts * sizeof(qint32);
// Far above any sheet (the map is 16 MB), so a damaged size asks for no absurd memory.
constexpr unsigned long long kLargestSheet = 1ULL << 28;

bool isStoredFormat(int format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// The size of the pixels that follow a header, or 0 for a header no sheet holds.
std::size_t pixelBytes(const qint32 (&header)[kHeaderInts]) {
    constexpr qint32 kLargest = 1 << 14;
    const qint32 width = header[1];
    const qint32 height = header[2];
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest ||
        !isStoredFormat(header[3]))
        return 0;
    return std::size_t(width) * std::size_t(height) * 4;
}

// The pictures of the sheet in the block, sharing its bytes as their pixels.
std::map<int, QImage> adoptSheet(std::shared_ptr<residentmemory::Block> block, std::size_t size) {
    std::map<int, QImage> pictures;
    std::size_t at = 0;
    while (at < size) {
        qint32 header[kHeaderInts];
        if (size - at < kHeaderBytes)
            return {};
        std::memcpy(header, block->get() + at, kHeaderBytes);
        at += kHeaderBytes;
        const std::size_t bytes = pixelBytes(header);
        if (bytes == 0 || size - at < bytes)
            return {};
        QImage picture = residentmemory::adoptAsImage(block, at, header[1], header[2],
                                                      static_cast<QImage::Format>(header[3]));
        if (picture.isNull())
            return {};
        pictures.insert_or_assign(header[0], std::move(picture));
        at += bytes;
    }
    return pictures;
}

std::map<int, QImage> copySheet(const char* data, std::size_t size) {
    auto block = std::make_shared<residentmemory::Block>(residentmemory::allocate(size));
    if (!*block)
        return {};
    std::memcpy(block->get(), data, size);
    return adoptSheet(std::move(block), size);
}

} // namespace

QByteArray encodeSheet(const std::vector<std::pair<int, QImage>>& pictures) {
    QByteArray bytes;
    for (const auto& [id, picture] : pictures) {
        const QImage::Format stored = isStoredFormat(picture.format())
                                          ? picture.format()
                                          : QImage::Format_ARGB32_Premultiplied;
        const QImage image = picture.convertToFormat(stored);
        const qint32 header[kHeaderInts] = {id, image.width(), image.height(), stored};
        bytes.append(reinterpret_cast<const char*>(header), kHeaderBytes);
        const auto rowBytes = static_cast<qsizetype>(image.width()) * 4;
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
    }
    return bytes;
}

std::map<int, QImage> decodeSheet(const QByteArray& bytes) {
    return copySheet(bytes.constData(), std::size_t(bytes.size()));
}

namespace {

std::map<int, QImage> readSheet(const QString& name) {
    const QResource resource(QStringLiteral(":/korva/baked/") + name);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::ZstdCompression)
        return decodeSheet(resource.uncompressedData());
    // Straight into memory from residentmemory (the map is 16 MB), with no copy after.
    const auto compressedSize = static_cast<std::size_t>(resource.size());
    const unsigned long long size = ZSTD_getFrameContentSize(resource.data(), compressedSize);
    if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN || size > kLargestSheet)
        return {};
    auto block = std::make_shared<residentmemory::Block>(residentmemory::allocate(size));
    const bool whole =
        *block && ZSTD_decompress(block->get(), size, resource.data(), compressedSize) == size;
    // The compressed bytes are not read again in this run: they need not stay resident.
    residentmemory::releaseProgramPages(resource.data(), compressedSize);
    if (!whole)
        return {};
    return adoptSheet(std::move(block), size);
}

// The sheets being read ahead on their own thread, each handed out once.
class Preloads {
public:
    ~Preloads() {
        if (thread_.joinable())
            thread_.join();
    }

    void start(const QStringList& names) {
        std::vector<std::pair<QString, std::promise<Sheet>>> work;
        {
            std::lock_guard lock(mutex_);
            if (thread_.joinable())
                return; // once
            for (const QString& name : names) {
                work.emplace_back(name, std::promise<Sheet>());
                ready_.emplace(name, work.back().second.get_future());
            }
        }
        thread_ = std::thread([work = std::move(work)]() mutable {
            for (auto& [name, promise] : work) {
                try {
                    promise.set_value(readSheet(name));
                } catch (...) {
                    promise.set_value({}); // drawn when asked for instead
                }
            }
        });
    }

    std::optional<std::future<Sheet>> take(const QString& name) {
        std::lock_guard lock(mutex_);
        const auto found = ready_.find(name);
        if (found == ready_.end())
            return std::nullopt;
        std::future<Sheet> sheet = std::move(found->second);
        ready_.erase(found);
        return sheet;
    }

private:
    std::mutex mutex_;
    std::map<QString, std::future<Sheet>> ready_;
    std::thread thread_;
};

Preloads& preloads() {
    static Preloads instance;
    return instance;
}

} // namespace

std::map<int, QImage> loadSheet(const QString& name) {
    if (auto preloaded = preloads().take(name))
        return preloaded->get();
    return readSheet(name);
}

void startLoading(const QStringList& names) {
    preloads().start(names);
}

QImage programPicture(int id, const std::function<QImage()>& draw) {
    static const Sheet program = loadSheet(QString::fromLatin1(kProgramSheet));
    const auto found = program.find(id);
    return found != program.end() ? found->second : draw();
}

} // namespace bakedpictures
