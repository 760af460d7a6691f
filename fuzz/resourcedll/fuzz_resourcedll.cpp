// Feeds arbitrary bytes to the resource-DLL walker, the bitmap header checks, the bitmap
// decoder and the layered lookup the game reads its pictures through. Besides the
// sanitizers' own findings it aborts when a listed bitmap lies outside the input, a
// checked header promises more bytes than the bitmap has, a picture comes out larger
// than its kind allows, or the lookup fails although a sound layer lies beneath.

#include "app/pictures/layeredpicturemodule.h"
#include "app/resourcedll/dibfile.h"
#include "app/resourcedll/pefile.h"
#include "app/resourcedll/resourcedllmodule.h"
#include "board/pictureids.h"

#include <QByteArray>
#include <QImage>

#include <cstdlib>

namespace {

bool gameAsksFor(int id) {
    return id == pictureids::kMap || pictureids::isTag(id) || pictureids::isCounter(id) ||
           pictureids::isMarker(id);
}

// The layer beneath a DLL: every picture the game asks for, in one colour.
class StandIn final : public PictureModule {
public:
    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name(), id);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        return picture;
    }
    bool contains(int id) const override { return gameAsksFor(id); }
    QString name() const override { return QStringLiteral("stand-in"); }
};

bool within(const QImage& picture, QSize limit) {
    return limit.isEmpty() ||
           (picture.width() <= limit.width() && picture.height() <= limit.height());
}

void checkListing(std::span<const std::uint8_t> file) {
    std::vector<pefile::BitmapEntry> entries;
    try {
        entries = pefile::listBitmapResources(file);
    } catch (const pefile::PeFormatError&) {
        return;
    }
    int previous = -1;
    for (const pefile::BitmapEntry& e : entries) {
        if (e.offset > file.size() || e.size > file.size() - e.offset || e.id <= previous ||
            e.id > 0xFFFF)
            std::abort();
        previous = e.id;
        try {
            const auto dib = file.subspan(e.offset, e.size);
            const dibfile::DibLayout layout = dibfile::inspectDib(dib);
            if (layout.pixelOffset > dib.size() || layout.width <= 0 || layout.height <= 0 ||
                std::int64_t{layout.width} * layout.height > dibfile::kMaxPixels)
                std::abort();
            const std::vector<std::uint8_t> bmp = dibfile::toBmpFile(dib);
            if (bmp.size() != dib.size() + 14)
                std::abort();
        } catch (const dibfile::DibFormatError&) {
        }
    }
}

// Decodes what the module holds, a few pictures per input, each one at a time.
void checkPictures(const std::uint8_t* data, std::size_t size) {
    std::vector<std::unique_ptr<PictureModule>> layers;
    const ResourceDllModule* dll = nullptr;
    try {
        auto module = std::make_unique<ResourceDllModule>(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            QStringLiteral("korva_2.dll"));
        dll = module.get();
        layers.push_back(std::move(module));
    } catch (const ResourceError&) {
        return;
    }
    layers.push_back(std::make_unique<StandIn>());
    const LayeredPictureModule pictures(QStringLiteral("korva_2.dll"), std::move(layers));
    int decoded = 0;
    for (const int id : dll->ids()) {
        if (++decoded > 4)
            break;
        const QSize limit = pictureids::readLimit(id);
        if (!gameAsksFor(id)) {
            // A picture the game never asks for: as extracting reads it.
            try {
                if (!within(dll->decode(id), limit))
                    std::abort();
            } catch (const ResourceError&) {
            }
            continue;
        }
        // The game's own: always answered, from the DLL or from the layer beneath.
        const QImage picture = pictures.bitmap(id);
        if (picture.isNull() || picture.format() != QImage::Format_RGB32 ||
            !within(picture, limit) || !within(picture, pictureids::largestSize(id)))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkListing(std::span<const std::uint8_t>(data, size));
    checkPictures(data, size);
    return 0;
}
