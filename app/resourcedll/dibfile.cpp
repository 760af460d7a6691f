#include "app/resourcedll/dibfile.h"

#include <string>

namespace dibfile {
namespace {

constexpr std::uint32_t kCoreHeader = 12; // the old OS/2 header: 16-bit sizes
constexpr std::uint32_t kInfoHeader = 40; // the usual Windows header
constexpr std::uint32_t kV4Header = 108;  // with colour masks and colour space
constexpr std::uint32_t kV5Header = 124;  // with an ICC profile reference
constexpr std::uint64_t kFileHeaderSize = 14;

[[noreturn]] void refuse(const std::string& why) {
    throw DibFormatError(why);
}

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A colour mask must be one run of at most 8 bits within the pixel's depth.
bool soundMask(std::uint32_t mask, int bits) {
    if (mask == 0 || (bits < 32 && (mask >> bits) != 0))
        return false;
    while (!(mask & 1u))
        mask >>= 1;
    return (mask & (mask + 1)) == 0 && mask <= 0xFFu;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// What the header says beyond the layout: a height below zero means top-down rows.
struct DibHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t clrUsed = 0;
};

DibHeader readHeader(std::span<const std::uint8_t> dib, DibLayout& layout) {
    if (dib.size() < 4)
        refuse("the bitmap is too short for a header");
    layout.headerSize = u32(dib, 0);
    if (layout.headerSize != kCoreHeader && layout.headerSize != kInfoHeader &&
        layout.headerSize != kV4Header && layout.headerSize != kV5Header)
        refuse("unsupported bitmap header size " + std::to_string(layout.headerSize));
    if (dib.size() < layout.headerSize)
        refuse("the bitmap header runs past the end of the bitmap");
    DibHeader header;
    if (layout.headerSize == kCoreHeader) {
        header.width = u16(dib, 4);
        header.height = u16(dib, 6);
        header.planes = u16(dib, 8);
        layout.bitCount = u16(dib, 10);
    } else {
        header.width = static_cast<std::int32_t>(u32(dib, 4));
        header.height = static_cast<std::int32_t>(u32(dib, 8));
        header.planes = u16(dib, 12);
        layout.bitCount = u16(dib, 14);
        layout.compression = u32(dib, 16);
        header.clrUsed = u32(dib, 32);
    }
    return header;
}

void checkDepthAndCoding(const DibLayout& layout, std::uint32_t planes) {
    if (planes != 1)
        refuse("the bitmap has " + std::to_string(planes) + " planes instead of 1");
    const int bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        refuse("unsupported bitmap depth of " + std::to_string(bits) + " bits");
    if (layout.headerSize == kCoreHeader && bits == 16)
        refuse("unsupported bitmap depth of 16 bits in an old-style header");
    switch (layout.compression) {
    case kRgb:
        break;
    case kRle8:
        if (bits != 8)
            refuse("8-bit run-length coding on a bitmap of another depth");
        break;
    case kRle4:
        if (bits != 4)
            refuse("4-bit run-length coding on a bitmap of another depth");
        break;
    case kBitFields:
        if (bits != 16 && bits != 32)
            refuse("colour masks on a bitmap that is neither 16 nor 32 bits deep");
        break;
    default:
        refuse("unsupported bitmap compression " + std::to_string(layout.compression));
    }
}

void checkSize(DibLayout& layout, std::int64_t width, std::int64_t height, const SizeLimit& limit) {
    if (height < 0) {
        if (layout.compression == kRle8 || layout.compression == kRle4)
            refuse("a run-length coded bitmap cannot be stored top-down");
        layout.topDown = true;
        height = -height;
    }
    if (width <= 0 || height <= 0)
        refuse("the bitmap has no pixels");
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        refuse("the bitmap is too large (" + std::to_string(width) + " x " +
               std::to_string(height) + ")");
    if (width > limit.width || height > limit.height)
        refuse("the bitmap is too large for its picture (" + std::to_string(width) + " x " +
               std::to_string(height) + ", at most " + std::to_string(limit.width) + " x " +
               std::to_string(limit.height) + ")");
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
}

// The bytes of colour masks between the header and the palette.
std::uint64_t checkMasks(std::span<const std::uint8_t> dib, const DibLayout& layout) {
    // Three masks follow a plain Windows header when the bitmap has colour masks; the
    // larger headers carry them inside.
    const std::uint64_t masks =
        (layout.headerSize == kInfoHeader && layout.compression == kBitFields) ? 12 : 0;
    if (layout.compression == kBitFields) {
        const std::uint64_t at = masks != 0 ? layout.headerSize : kInfoHeader;
        if (at + 12 > dib.size())
            refuse("the bitmap's colour masks run past the end of the bitmap");
        const std::uint32_t red = u32(dib, at);
        const std::uint32_t green = u32(dib, at + 4);
        const std::uint32_t blue = u32(dib, at + 8);
        const int bits = layout.bitCount;
        if (!soundMask(red, bits) || !soundMask(green, bits) || !soundMask(blue, bits) ||
            (red & green) != 0 || (red & blue) != 0 || (green & blue) != 0)
            refuse("the bitmap's colour masks are damaged");
    }
    return masks;
}

// The palette after the masks, then the pixels, each within the bitmap.
void checkPaletteAndPixels(std::span<const std::uint8_t> dib, DibLayout& layout,
                           std::uint64_t masks, std::uint32_t clrUsed) {
    const int bits = layout.bitCount;
    if (bits <= 8) {
        const std::uint32_t full = std::uint32_t{1} << bits;
        if (clrUsed > full)
            refuse("the bitmap claims " + std::to_string(clrUsed) + " palette colours for " +
                   std::to_string(bits) + " bits");
        layout.paletteEntries = clrUsed == 0 ? full : clrUsed;
    } else {
        layout.paletteEntries = clrUsed; // an optional palette that the offset must skip
    }
    const std::uint64_t entrySize = layout.headerSize == kCoreHeader ? 3 : 4;
    const std::uint64_t pixelOffset =
        std::uint64_t{layout.headerSize} + masks + layout.paletteEntries * entrySize;
    if (pixelOffset > dib.size())
        refuse("the bitmap palette runs past the end of the bitmap");
    layout.pixelOffset = static_cast<std::uint32_t>(pixelOffset);

    const std::uint64_t available = dib.size() - pixelOffset;
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        if (available < 2)
            refuse("the run-length coded pixels are missing");
    } else {
        const std::uint64_t stride =
            (static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(bits) + 31) /
            32 * 4;
        if (stride * static_cast<std::uint64_t>(layout.height) > available)
            refuse("the bitmap's pixel rows run past the end of the bitmap");
    }
}

} // namespace

DibLayout inspectDib(std::span<const std::uint8_t> dib, const SizeLimit& limit) {
    DibLayout layout;
    const DibHeader header = readHeader(dib, layout);
    checkDepthAndCoding(layout, header.planes);
    checkSize(layout, header.width, header.height, limit);
    checkPaletteAndPixels(dib, layout, checkMasks(dib, layout), header.clrUsed);
    return layout;
}

std::vector<std::uint8_t> toBmpFile(std::span<const std::uint8_t> dib) {
    const DibLayout layout = inspectDib(dib);
    const std::uint64_t fileSize = kFileHeaderSize + dib.size();
    if (fileSize > 0xFFFF'FFFFu)
        refuse("the bitmap is too large for a .bmp file");
    std::vector<std::uint8_t> file;
    file.reserve(static_cast<std::size_t>(fileSize));
    file.push_back('B');
    file.push_back('M');
    put32(file, static_cast<std::uint32_t>(fileSize));
    put32(file, 0); // two reserved words
    put32(file, static_cast<std::uint32_t>(kFileHeaderSize + layout.pixelOffset));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

} // namespace dibfile
