#include "app/resourcedll/pefile.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace pefile {
namespace {

constexpr std::uint32_t kBitmapType = 2;
constexpr std::uint32_t kHighBit = 0x8000'0000u;
constexpr std::uint64_t kDosHeaderSize = 64;
constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint64_t kFileHeaderSize = 20;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kDirectoryEntrySize = 8;
constexpr std::uint64_t kDataEntrySize = 16;
constexpr std::uint32_t kResourceDirectoryIndex = 2;

[[noreturn]] void refuse(const std::string& why) {
    throw PeFormatError(why);
}

// Little-endian reads from a byte span, each checked in 64-bit arithmetic so that no
// offset from the file can wrap around.
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint64_t size() const { return data_.size(); }
    bool holds(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size() && length <= size() - offset;
    }
    void require(std::uint64_t offset, std::uint64_t length, const char* what) const {
        if (!holds(offset, length))
            refuse(std::string(what) + " lies outside the file");
    }
    std::uint16_t u16(std::uint64_t offset, const char* what) const {
        require(offset, 2, what);
        return static_cast<std::uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    }
    std::uint32_t u32(std::uint64_t offset, const char* what) const {
        require(offset, 4, what);
        return static_cast<std::uint32_t>(data_[offset]) |
               static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(data_[offset + 3]) << 24;
    }
    Bytes slice(std::uint64_t offset, std::uint64_t length) const {
        return Bytes(data_.subspan(offset, length));
    }

private:
    std::span<const std::uint8_t> data_;
};

// The file bytes of one section, as they appear at its virtual address.
struct Section {
    std::uint64_t virtualAddress = 0;
    std::uint64_t fileOffset = 0;
    std::uint64_t fileSize = 0; // clipped to the end of the file
};

// The sections ordered by virtual address, so that finding the one an address lies in is
// a binary search: a file may have 65,535 sections and twice as many resources.
class SectionMap {
public:
    SectionMap(const Bytes& file, std::uint64_t tableOffset, std::uint32_t count) {
        file.require(tableOffset, count * kSectionHeaderSize, "the section table");
        sections_.reserve(count);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t at = tableOffset + i * kSectionHeaderSize;
            Section s;
            s.virtualAddress = file.u32(at + 12, "a section header");
            const std::uint64_t rawSize = file.u32(at + 16, "a section header");
            s.fileOffset = file.u32(at + 20, "a section header");
            // A section whose raw data runs past the end keeps only the bytes that exist;
            // reading beyond them is refused below.
            s.fileSize =
                s.fileOffset >= file.size() ? 0 : std::min(rawSize, file.size() - s.fileOffset);
            // Sections without bytes in the file hold nothing to read.
            if (s.fileSize != 0)
                sections_.push_back(s);
        }
        std::stable_sort(
            sections_.begin(), sections_.end(),
            [](const Section& a, const Section& b) { return a.virtualAddress < b.virtualAddress; });
    }

    // Where [rva, rva + length) lies in the file, which must be within the file bytes of
    // the section that starts last at or below rva, and how many of that section's bytes
    // follow rva. (Sections of a sound module do not overlap.)
    struct Place {
        std::uint64_t offset = 0;
        std::uint64_t available = 0;
    };
    Place locate(std::uint64_t rva, std::uint64_t length, const char* what) const {
        auto after = std::upper_bound(
            sections_.begin(), sections_.end(), rva,
            [](std::uint64_t address, const Section& s) { return address < s.virtualAddress; });
        if (after != sections_.begin()) {
            const Section& s = *std::prev(after);
            const std::uint64_t into = rva - s.virtualAddress;
            if (into < s.fileSize && length <= s.fileSize - into)
                return {s.fileOffset + into, s.fileSize - into};
        }
        refuse(std::string(what) + " lies outside the file's sections");
    }

private:
    std::vector<Section> sections_;
};

struct Directory {
    std::uint64_t firstEntry = 0;
    std::uint64_t count = 0;
};

// A resource directory at an offset from the start of the resource tree.
Directory readDirectory(const Bytes& tree, std::uint64_t offset, const char* what) {
    tree.require(offset, kDirectoryHeaderSize, what);
    const std::uint64_t named = tree.u16(offset + 12, what);
    const std::uint64_t byId = tree.u16(offset + 14, what);
    Directory dir{offset + kDirectoryHeaderSize, named + byId};
    tree.require(dir.firstEntry, dir.count * kDirectoryEntrySize, what);
    return dir;
}

// The three levels below the root: type, name, language. The depth is fixed, so a
// directory that points back to itself or to its parent cannot make the walk loop.
std::vector<BitmapEntry> walkTree(const Bytes& file, const SectionMap& sections,
                                  const Bytes& tree) {
    const Directory root = readDirectory(tree, 0, "the resource directory");
    std::vector<BitmapEntry> found;
    for (std::uint64_t t = 0; t < root.count; ++t) {
        const std::uint64_t at = root.firstEntry + t * kDirectoryEntrySize;
        if (tree.u32(at, "a resource type") != kBitmapType)
            continue;
        const std::uint32_t typeTarget = tree.u32(at + 4, "a resource type");
        if (!(typeTarget & kHighBit))
            refuse("the bitmap resource type is not a directory");
        const Directory names =
            readDirectory(tree, typeTarget & ~kHighBit, "the bitmap resource directory");
        found.reserve(names.count);
        for (std::uint64_t n = 0; n < names.count; ++n) {
            const std::uint64_t nameAt = names.firstEntry + n * kDirectoryEntrySize;
            const std::uint32_t name = tree.u32(nameAt, "a bitmap resource entry");
            const std::uint32_t nameTarget = tree.u32(nameAt + 4, "a bitmap resource entry");
            if (name & kHighBit)
                continue; // named by string: not a picture the game asks for
            if (name > 0xFFFF)
                refuse("a bitmap resource has an identifier above 65535");
            const std::string label = "bitmap " + std::to_string(name);
            if (!(nameTarget & kHighBit))
                refuse(label + " has no language directory");
            const Directory languages =
                readDirectory(tree, nameTarget & ~kHighBit, "the language directory of a bitmap");
            if (languages.count == 0)
                refuse(label + " has no language entry");
            const std::uint32_t dataTarget =
                tree.u32(languages.firstEntry + 4, "the language entry of a bitmap");
            if (dataTarget & kHighBit)
                refuse(label + " has a directory where its data entry belongs");
            tree.require(dataTarget, kDataEntrySize, "the data entry of a bitmap");
            const std::uint32_t dataRva = tree.u32(dataTarget, "the data entry of a bitmap");
            const std::uint32_t dataSize = tree.u32(dataTarget + 4, "the data entry of a bitmap");
            const std::uint64_t offset =
                sections.locate(dataRva, dataSize, ("the data of " + label).c_str()).offset;
            file.require(offset, dataSize, "the data of a bitmap");
            found.push_back({static_cast<int>(name), static_cast<std::size_t>(offset),
                             static_cast<std::size_t>(dataSize)});
        }
        break; // only the first bitmap type entry counts
    }
    // Directories are sorted by identifier in a sound file; a damaged one may repeat
    // an identifier, and the first occurrence wins.
    std::stable_sort(found.begin(), found.end(),
                     [](const BitmapEntry& a, const BitmapEntry& b) { return a.id < b.id; });
    found.erase(
        std::unique(found.begin(), found.end(),
                    [](const BitmapEntry& a, const BitmapEntry& b) { return a.id == b.id; }),
        found.end());
    return found;
}

} // namespace

std::vector<BitmapEntry> listBitmapResources(std::span<const std::uint8_t> data) {
    const Bytes file(data);
    if (file.size() < kDosHeaderSize || file.u16(0, "the DOS header") != 0x5A4D)
        refuse("not a Windows module (no MZ header)");
    const std::uint64_t peAt = file.u32(kNewHeaderPointer, "the DOS header");
    if (file.u32(peAt, "the PE header") != 0x0000'4550)
        refuse("not a Windows module (no PE signature)");

    const std::uint64_t fileHeader = peAt + 4;
    file.require(fileHeader, kFileHeaderSize, "the PE file header");
    const std::uint32_t sectionCount = file.u16(fileHeader + 2, "the PE file header");
    const std::uint64_t optionalSize = file.u16(fileHeader + 16, "the PE file header");
    const std::uint64_t optional = fileHeader + kFileHeaderSize;

    const std::uint16_t magic = file.u16(optional, "the optional header");
    std::uint64_t countAt = 0;
    std::uint64_t directoriesAt = 0;
    if (magic == 0x10B) { // 32-bit module
        countAt = 92;
        directoriesAt = 96;
    } else if (magic == 0x20B) { // 64-bit module
        countAt = 108;
        directoriesAt = 112;
    } else {
        refuse("unknown optional header kind " + std::to_string(magic));
    }
    if (optionalSize < countAt + 4)
        refuse("the optional header is too short");
    const std::uint32_t directoryCount = file.u32(optional + countAt, "the optional header");
    if (directoryCount <= kResourceDirectoryIndex)
        return {};
    const std::uint64_t resourceField = directoriesAt + kResourceDirectoryIndex * 8;
    if (optionalSize < resourceField + 8)
        refuse("the optional header is too short for its data directories");
    const std::uint32_t resourceRva =
        file.u32(optional + resourceField, "the resource data directory");
    if (resourceRva == 0)
        return {};

    const SectionMap sections(file, optional + optionalSize, sectionCount);
    // The tree may use every byte of its section; its stated size is only a hint that
    // older linkers set loosely, and each read is checked anyway.
    const SectionMap::Place tree =
        sections.locate(resourceRva, kDirectoryHeaderSize, "the resource directory");
    return walkTree(file, sections, file.slice(tree.offset, tree.available));
}

} // namespace pefile
