#include "tests/app/resourcedll/fixturebitmaps.h"

#include "tests/app/resourcedll/littleendian.h"

#include <stdexcept>

namespace fixtures {
namespace {

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kBitFields = 3;

using littleendian::put16;
using littleendian::put32;

std::uint32_t headerSize(Header h) {
    switch (h) {
    case Header::Core:
        return 12;
    case Header::Info:
        return 40;
    case Header::V4:
        return 108;
    case Header::V5:
        return 124;
    }
    return 40;
}

int paletteSize(const Bitmap& b) {
    if (b.bits <= 8)
        return b.colorsUsed != 0 ? b.colorsUsed : 1 << b.bits;
    return b.colorsUsed;
}

std::uint32_t paletteColour(const Bitmap& b, int i) {
    const auto u = static_cast<std::uint32_t>(i + b.id);
    return ((u * 53 + 17) & 0xFF) << 16 | ((u * 97 + 101) & 0xFF) << 8 | ((u * 29 + 7) & 0xFF);
}

int paletteIndex(const Bitmap& b, int x, int y) {
    const int colours = paletteSize(b);
    if (b.coding == Coding::Rle8)
        return (x / 3 + y) % colours; // runs of three for the run-length coder
    return (x * 3 + y * 7 + b.id) % colours;
}

std::uint32_t directColour(const Bitmap& b, int x, int y) {
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    const auto id = static_cast<std::uint32_t>(b.id);
    return ((ux * 11 + uy * 3 + id) & 0xFF) << 16 | ((uy * 13 + ux + 40) & 0xFF) << 8 |
           ((ux * uy + 5 + id) & 0xFF);
}

// One row of pixels in file order, padded to four bytes.
std::vector<std::uint8_t> rawRow(const Bitmap& b, int y) {
    std::vector<std::uint8_t> row;
    if (b.bits <= 8) {
        int acc = 0;
        int filled = 0;
        for (int x = 0; x < b.width; ++x) {
            acc = (acc << b.bits) | paletteIndex(b, x, y);
            filled += b.bits;
            if (filled == 8) {
                row.push_back(static_cast<std::uint8_t>(acc));
                acc = 0;
                filled = 0;
            }
        }
        if (filled != 0)
            row.push_back(static_cast<std::uint8_t>(acc << (8 - filled)));
    } else {
        for (int x = 0; x < b.width; ++x) {
            const std::uint32_t c = directColour(b, x, y);
            if (b.bits == 16) {
                put16(row, ((c >> 19) & 0x1F) << 11 | ((c >> 10) & 0x3F) << 5 | ((c >> 3) & 0x1F));
            } else {
                row.push_back(static_cast<std::uint8_t>(c));
                row.push_back(static_cast<std::uint8_t>(c >> 8));
                row.push_back(static_cast<std::uint8_t>(c >> 16));
                if (b.bits == 32)
                    row.push_back(0);
            }
        }
    }
    while (row.size() % 4 != 0)
        row.push_back(0);
    return row;
}

// Run-length coding: the first half of a row as runs, the rest in absolute mode.
void rle8Row(const Bitmap& b, int y, std::vector<std::uint8_t>& out) {
    const int half = b.width / 2;
    int x = 0;
    while (x < half) {
        int run = 1;
        while (x + run < half && paletteIndex(b, x + run, y) == paletteIndex(b, x, y))
            ++run;
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(paletteIndex(b, x, y)));
        x += run;
    }
    const int rest = b.width - half;
    if (rest >= 3) {
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(rest));
        for (; x < b.width; ++x)
            out.push_back(static_cast<std::uint8_t>(paletteIndex(b, x, y)));
        if (rest % 2 != 0)
            out.push_back(0);
    } else {
        for (; x < b.width; ++x) {
            out.push_back(1);
            out.push_back(static_cast<std::uint8_t>(paletteIndex(b, x, y)));
        }
    }
    out.push_back(0);
    out.push_back(0); // end of line
}

} // namespace

const std::vector<Bitmap>& all() {
    static const std::vector<Bitmap> bitmaps = {
        {2000, Header::Info, 1, 13, 7, false, 0, Coding::Rgb, "1 bit"},
        {2001, Header::Info, 4, 9, 5, false, 0, Coding::Rgb, "4 bits"},
        {2002, Header::Info, 4, 10, 4, false, 6, Coding::Rgb, "4 bits, 6 colours"},
        {2003, Header::Info, 8, 24, 24, false, 0, Coding::Rgb, "8 bits, counter size"},
        {2004, Header::Info, 8, 17, 6, true, 40, Coding::Rgb, "8 bits, 40 colours, top-down"},
        {2005, Header::Info, 24, 24, 24, false, 0, Coding::Rgb, "24 bits, counter size"},
        {2006, Header::Info, 24, 7, 3, true, 0, Coding::Rgb, "24 bits, top-down"},
        {2007, Header::Info, 24, 5, 4, false, 3, Coding::Rgb, "24 bits with a palette"},
        {2008, Header::Info, 16, 6, 5, false, 0, Coding::BitFields, "16 bits, 5-6-5 masks"},
        {2009, Header::V5, 32, 4, 4, false, 0, Coding::BitFields, "32 bits, V5 header"},
        {2010, Header::Core, 8, 11, 3, false, 0, Coding::Rgb, "8 bits, OS/2 header"},
        {2011, Header::Info, 8, 20, 5, false, 16, Coding::Rle8, "8 bits, run-length"},
        {2012, Header::V4, 24, 3, 3, false, 0, Coding::Rgb, "24 bits, V4 header"},
        {2551, Header::Info, 8, 16, 16, false, 0, Coding::Rgb, "marker"},
        {16002, Header::Info, 24, 301, 211, false, 0, Coding::Rgb, "map"},
        {16011, Header::Info, 4, 8, 8, false, 0, Coding::Rgb, "die"},
    };
    return bitmaps;
}

const Bitmap& byId(int id) {
    for (const Bitmap& b : all())
        if (b.id == id)
            return b;
    throw std::out_of_range("no fixture bitmap " + std::to_string(id));
}

std::vector<std::uint8_t> bmpFile(const Bitmap& b) {
    std::vector<std::uint8_t> pixels;
    if (b.coding == Coding::Rle8) {
        for (int y = b.height - 1; y >= 0; --y)
            rle8Row(b, y, pixels);
        pixels.push_back(0);
        pixels.push_back(1); // end of bitmap
    } else {
        for (int i = 0; i < b.height; ++i) {
            const std::vector<std::uint8_t> row = rawRow(b, b.topDown ? i : b.height - 1 - i);
            pixels.insert(pixels.end(), row.begin(), row.end());
        }
    }

    std::vector<std::uint8_t> dib;
    const std::uint32_t size = headerSize(b.header);
    put32(dib, size);
    if (b.header == Header::Core) {
        put16(dib, static_cast<std::uint32_t>(b.width));
        put16(dib, static_cast<std::uint32_t>(b.height));
        put16(dib, 1);
        put16(dib, static_cast<std::uint32_t>(b.bits));
    } else {
        put32(dib, static_cast<std::uint32_t>(b.width));
        put32(dib, static_cast<std::uint32_t>(b.topDown ? -b.height : b.height));
        put16(dib, 1);
        put16(dib, static_cast<std::uint32_t>(b.bits));
        const std::uint32_t coding = b.coding == Coding::Rle8        ? kRle8
                                     : b.coding == Coding::BitFields ? kBitFields
                                                                     : 0;
        put32(dib, coding);
        put32(dib, static_cast<std::uint32_t>(pixels.size()));
        put32(dib, 2835); // 72 dots per inch
        put32(dib, 2835);
        put32(dib, static_cast<std::uint32_t>(b.colorsUsed));
        put32(dib, 0);
        const bool masksInside = b.header != Header::Info;
        if (masksInside || b.coding == Coding::BitFields) {
            const bool wide = b.bits != 16;
            put32(dib, wide ? 0x00FF0000 : 0xF800);
            put32(dib, wide ? 0x0000FF00 : 0x07E0);
            put32(dib, wide ? 0x000000FF : 0x001F);
        }
        if (masksInside) {
            put32(dib, 0);          // alpha mask
            put32(dib, 0x73524742); // "sRGB" colour space
            while (dib.size() < size)
                dib.push_back(0); // end points, gamma, V5 intent and profile fields
        }
    }
    const int colours = paletteSize(b);
    for (int i = 0; i < colours; ++i) {
        const std::uint32_t c = paletteColour(b, i);
        dib.push_back(static_cast<std::uint8_t>(c));
        dib.push_back(static_cast<std::uint8_t>(c >> 8));
        dib.push_back(static_cast<std::uint8_t>(c >> 16));
        if (b.header != Header::Core)
            dib.push_back(0);
    }
    const auto offset = static_cast<std::uint32_t>(14 + dib.size());
    dib.insert(dib.end(), pixels.begin(), pixels.end());

    std::vector<std::uint8_t> file{'B', 'M'};
    put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    put32(file, 0);
    put32(file, offset);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

std::uint32_t expectedRgb(const Bitmap& b, int x, int y) {
    if (b.bits <= 8)
        return paletteColour(b, paletteIndex(b, x, y));
    return directColour(b, x, y);
}

std::uint32_t exactBits(const Bitmap& b) {
    return b.bits == 16 ? 0xF8FCF8 : 0xFFFFFF;
}

std::string fileName(const Bitmap& b) {
    return "f" + std::to_string(b.id) + ".bmp";
}

std::string fullScript() {
    std::string rc;
    for (const Bitmap& b : all())
        rc += std::to_string(b.id) + " BITMAP \"" + fileName(b) + "\"\n";
    rc += "NAMEDPICTURE BITMAP \"" + fileName(byId(2000)) + "\"\n";
    rc += std::to_string(kDataResourceId) + " RCDATA \"" + fileName(byId(2005)) + "\"\n";
    // English (0x409) first in the script, German (0x407) first in the module.
    rc += "LANGUAGE 9, 1\n" + std::to_string(kTwoLanguageId) + " BITMAP \"" + fileName(byId(2012)) +
          "\"\n";
    rc += "LANGUAGE 7, 1\n" + std::to_string(kTwoLanguageId) + " BITMAP \"" +
          fileName(byId(kFirstLanguageSource)) + "\"\n";
    return rc;
}

std::string seedScript() {
    std::string rc;
    for (const Bitmap& b : all())
        if (b.id != 16002)
            rc += std::to_string(b.id) + " BITMAP \"" + fileName(b) + "\"\n";
    return rc;
}

std::vector<int> partialIds() {
    return {2000, 2005, 16011};
}

std::string partialScript() {
    std::string rc;
    for (const int id : partialIds())
        rc += std::to_string(id) + " BITMAP \"" + fileName(byId(id)) + "\"\n";
    return rc;
}

} // namespace fixtures
