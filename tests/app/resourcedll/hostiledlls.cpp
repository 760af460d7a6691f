#include "tests/app/resourcedll/hostiledlls.h"

#include "tests/app/resourcedll/littleendian.h"
#include "tests/app/resourcedll/minipe.h"

namespace hostiledlls {
namespace {

using littleendian::put16;
using littleendian::put32;

void set32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap header (the 40-byte Windows kind) and a palette of `colours` grey entries.
std::vector<std::uint8_t> header(int width, int height, int bits, std::uint32_t compression,
                                 int colours) {
    std::vector<std::uint8_t> dib;
    put32(dib, 40);
    put32(dib, static_cast<std::uint32_t>(width));
    put32(dib, static_cast<std::uint32_t>(height));
    put16(dib, 1);
    put16(dib, static_cast<std::uint32_t>(bits));
    put32(dib, compression);
    put32(dib, 0); // image size: may be 0 for uncompressed bitmaps
    put32(dib, 2835);
    put32(dib, 2835);
    put32(dib, static_cast<std::uint32_t>(colours));
    put32(dib, 0);
    for (int i = 0; i < colours; ++i)
        put32(dib, static_cast<std::uint32_t>(i * 0x010101));
    return dib;
}

std::vector<std::uint8_t> counterPicture() {
    std::vector<std::uint8_t> dib = header(24, 24, 24, 0, 0);
    for (int i = 0; i < 24 * 24; ++i) {
        dib.push_back(static_cast<std::uint8_t>(i));
        dib.push_back(0x80);
        dib.push_back(static_cast<std::uint8_t>(255 - i));
    }
    return dib;
}

} // namespace

std::vector<std::uint8_t> rleBomb(int firstId, int count, int width, int height) {
    std::vector<std::pair<int, std::vector<std::uint8_t>>> pictures;
    for (int i = 0; i < count; ++i) {
        std::vector<std::uint8_t> dib = header(width, height, 8, 1, 1);
        dib.push_back(0);
        dib.push_back(1); // end of bitmap
        pictures.emplace_back(firstId + i, std::move(dib));
    }
    return MiniPe(false, pictures).bytes;
}

std::vector<std::uint8_t> minimal(int id) {
    return MiniPe(false, {{id, counterPicture()}}).bytes;
}

std::vector<std::uint8_t> manySections(int id) {
    constexpr std::uint32_t kSections = 0xFFFF;
    constexpr std::uint32_t kPerKind = 0xFFFF; // entries named by string, and by number
    constexpr std::uint32_t kPeAt = 0x40;
    constexpr std::uint32_t kOptional = kPeAt + 4 + 20;
    constexpr std::uint32_t kOptionalSize = 224;
    constexpr std::uint32_t kTable = kOptional + kOptionalSize;
    constexpr std::uint32_t kTreeAt = (kTable + kSections * 40 + 0x1FF) & ~0x1FFu;
    constexpr std::uint32_t kTreeRva = 0x4000'0000;

    std::vector<std::uint8_t> out(kTreeAt, 0);
    out[0] = 'M';
    out[1] = 'Z';
    set32(out, 0x3C, kPeAt);
    set32(out, kPeAt, 0x4550);
    set32(out, kPeAt + 4, 0x14C | kSections << 16);
    set32(out, kPeAt + 4 + 16, kOptionalSize | 0x2102u << 16);
    set32(out, kOptional, 0x10B);
    set32(out, kOptional + 92, 16);

    // The tree: root, the bitmap type's directory, one language directory, one data entry,
    // then the bitmap itself.
    std::vector<std::uint8_t> tree;
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, 1 << 16); // no named entries, one by number
    put32(tree, 2);
    put32(tree, 0x8000'0000u | 24);
    const std::uint32_t entries = 24 + 16;
    const std::uint32_t language = entries + 2 * kPerKind * 8;
    const std::uint32_t dataEntry = language + 24;
    const std::uint32_t bitmap = dataEntry + 16;
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, kPerKind | kPerKind << 16);
    for (std::uint32_t i = 0; i < kPerKind; ++i) {
        put32(tree, 0x8000'0000u | language); // named by a string it never gets to read
        put32(tree, 0x8000'0000u | language);
    }
    for (std::uint32_t i = 0; i < kPerKind; ++i) {
        put32(tree, static_cast<std::uint32_t>(id));
        put32(tree, 0x8000'0000u | language);
    }
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, 0);
    put32(tree, 1 << 16);
    put32(tree, 0x409);
    put32(tree, dataEntry);
    const std::vector<std::uint8_t> picture = counterPicture();
    put32(tree, kTreeRva + bitmap);
    put32(tree, static_cast<std::uint32_t>(picture.size()));
    put32(tree, 0);
    put32(tree, 0);
    tree.insert(tree.end(), picture.begin(), picture.end());
    const auto treeSize = static_cast<std::uint32_t>(tree.size());
    set32(out, kOptional + 96 + 16, kTreeRva);
    set32(out, kOptional + 96 + 20, treeSize);

    // Every section but the last holds one byte of padding at its own address; the last,
    // at the highest address, holds the tree.
    for (std::uint32_t i = 0; i < kSections; ++i) {
        const std::uint32_t at = kTable + i * 40;
        const bool last = i + 1 == kSections;
        set32(out, at, 0x7461642E); // ".dat"
        set32(out, at + 8, last ? treeSize : 1);
        set32(out, at + 12, last ? kTreeRva : 0x1000 * (i + 1));
        set32(out, at + 16, last ? treeSize : 1);
        set32(out, at + 20, last ? kTreeAt : kTable);
    }
    out.insert(out.end(), tree.begin(), tree.end());
    return out;
}

} // namespace hostiledlls
