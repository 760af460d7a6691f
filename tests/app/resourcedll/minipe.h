#pragma once

#include <cstdint>
#include <vector>

// A smallest sound Windows module with one resource section holding bitmaps, written field
// by field so that a test can damage exactly one field and knows where each one lies.
struct MiniPe {
    struct Bitmap {
        std::uint32_t nameEntry = 0; // file offsets of this bitmap's parts
        std::uint32_t languageDirectory = 0;
        std::uint32_t languageEntry = 0;
        std::uint32_t dataEntry = 0;
        std::uint32_t data = 0;
        std::uint32_t size = 0;
    };

    static constexpr std::uint32_t kPeAt = 0x40;
    static constexpr std::uint32_t kFileHeader = kPeAt + 4;
    static constexpr std::uint32_t kOptional = kFileHeader + 20;
    static constexpr std::uint32_t kTreeAt = 0x200;
    static constexpr std::uint32_t kTreeRva = 0x1000;
    static constexpr std::uint32_t kTypeEntry = kTreeAt + 16;
    static constexpr std::uint32_t kNamesDirectory = kTreeAt + 24;

    std::vector<std::uint8_t> bytes;
    bool wide = false;
    std::uint32_t sectionHeader = 0;
    std::uint32_t resourceDirectoryField = 0; // the RVA of the resource data directory
    std::vector<Bitmap> bitmaps;

    // Bitmaps as (identifier, device-independent bitmap) pairs, in identifier order.
    MiniPe(bool pe32Plus, const std::vector<std::pair<int, std::vector<std::uint8_t>>>& pictures)
        : wide(pe32Plus) {
        const std::uint32_t optionalSize = wide ? 240 : 224;
        bytes.assign(kTreeAt, 0);
        set16(0, 0x5A4D);
        set32(0x3C, kPeAt);
        set32(kPeAt, 0x4550);
        set16(kFileHeader, wide ? 0x8664 : 0x14C);
        set16(kFileHeader + 2, 1);
        set16(kFileHeader + 16, optionalSize);
        set16(kFileHeader + 18, 0x2102);
        set16(kOptional, wide ? 0x20B : 0x10B);
        set32(kOptional + (wide ? 108 : 92), 16);
        resourceDirectoryField = kOptional + (wide ? 112 : 96) + 16;
        sectionHeader = kOptional + optionalSize;

        // Root, then the bitmap type's directory, then one language directory per picture,
        // then the data entries, then the pictures.
        const auto count = static_cast<std::uint32_t>(pictures.size());
        const std::uint32_t namesSize = 16 + 8 * count;
        const std::uint32_t languagesAt = 24 + namesSize;
        const std::uint32_t entriesAt = languagesAt + 24 * count;
        std::uint32_t dataAt = entriesAt + 16 * count;
        bytes.resize(kTreeAt + dataAt, 0);
        set16(kTreeAt + 14, 1);
        set32(kTypeEntry, 2);
        set32(kTypeEntry + 4, 0x8000'0000u | 24);
        set16(kNamesDirectory + 14, static_cast<std::uint32_t>(count));
        for (std::uint32_t i = 0; i < count; ++i) {
            Bitmap b;
            b.nameEntry = kNamesDirectory + 16 + 8 * i;
            b.languageDirectory = kTreeAt + languagesAt + 24 * i;
            b.languageEntry = b.languageDirectory + 16;
            b.dataEntry = kTreeAt + entriesAt + 16 * i;
            b.data = kTreeAt + dataAt;
            b.size = static_cast<std::uint32_t>(pictures[i].second.size());
            set32(b.nameEntry, static_cast<std::uint32_t>(pictures[i].first));
            set32(b.nameEntry + 4, 0x8000'0000u | (b.languageDirectory - kTreeAt));
            set16(b.languageDirectory + 14, 1);
            set32(b.languageEntry, 0x409);
            set32(b.languageEntry + 4, b.dataEntry - kTreeAt);
            set32(b.dataEntry, kTreeRva + (b.data - kTreeAt));
            set32(b.dataEntry + 4, b.size);
            bytes.insert(bytes.end(), pictures[i].second.begin(), pictures[i].second.end());
            while (bytes.size() % 4 != 0)
                bytes.push_back(0);
            dataAt = static_cast<std::uint32_t>(bytes.size()) - kTreeAt;
            bitmaps.push_back(b);
        }
        const auto sectionSize = static_cast<std::uint32_t>(bytes.size()) - kTreeAt;
        set32(resourceDirectoryField, kTreeRva);
        set32(resourceDirectoryField + 4, sectionSize);
        set32(sectionHeader, 0x7273722E); // ".rsr"
        set32(sectionHeader + 4, 0x63);   // "c"
        set32(sectionHeader + 8, sectionSize);
        set32(sectionHeader + 12, kTreeRva);
        set32(sectionHeader + 16, sectionSize);
        set32(sectionHeader + 20, kTreeAt);
    }

    void set16(std::uint32_t at, std::uint32_t v) {
        bytes.at(at) = static_cast<std::uint8_t>(v);
        bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
    }
    void set32(std::uint32_t at, std::uint32_t v) {
        set16(at, v & 0xFFFF);
        set16(at + 2, v >> 16);
    }
};
