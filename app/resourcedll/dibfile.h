#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A bitmap resource is a device-independent bitmap without the 14-byte file header that
// a .bmp file starts with. These functions check such a bitmap and give it that header
// back, with the exact offset of its pixel data, so that any BMP reader can decode it.
namespace dibfile {

class DibFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused before anything is allocated for them.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// The largest width and height a caller takes; within kMaxSide and kMaxPixels always.
struct SizeLimit {
    std::int64_t width = kMaxSide;
    std::int64_t height = kMaxSide;
};

// What the header of a bitmap says, once checked against the bitmap's own bytes.
struct DibLayout {
    std::uint32_t headerSize = 0;
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t paletteEntries = 0;
    std::uint32_t pixelOffset = 0; // from the start of the bitmap, past header, masks, palette
};

// Throws DibFormatError when the header is damaged, of a kind no BMP reader takes
// (JPEG or PNG inside, unknown header sizes), larger than the limit, or when the palette
// or the pixel rows run past the end of the bytes.
DibLayout inspectDib(std::span<const std::uint8_t> dib, const SizeLimit& limit = {});

// The bitmap as a complete .bmp file: "BM", file size, pixel-data offset, then the bytes.
std::vector<std::uint8_t> toBmpFile(std::span<const std::uint8_t> dib);

} // namespace dibfile
