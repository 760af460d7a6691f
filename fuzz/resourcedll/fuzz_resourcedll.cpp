// Feeds arbitrary bytes to the resource-DLL walker and to the bitmap header checks.
// Besides the sanitizers' own findings it aborts when a listed bitmap lies outside the
// input or a checked header promises more bytes than the bitmap has.

#include "dibfile.h"
#include "pefile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    std::vector<pefile::BitmapEntry> entries;
    try {
        entries = pefile::listBitmapResources(file);
    } catch (const pefile::PeFormatError&) {
        return 0;
    }
    int previous = -1;
    for (const pefile::BitmapEntry& e : entries) {
        if (e.offset > size || e.size > size - e.offset || e.id <= previous || e.id > 0xFFFF)
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
    return 0;
}
