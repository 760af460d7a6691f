#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// Reads the bitmap resources of a Windows module (a 32-bit or 64-bit PE file) straight
// from its bytes. Every read is checked against the end of the bytes, so a damaged or
// hostile file is refused with a PeFormatError and never read outside its span.
namespace pefile {

class PeFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One bitmap resource: its integer identifier (0..65535) and where its bytes lie in the
// file. The bytes are a device-independent bitmap without the 14-byte file header.
struct BitmapEntry {
    int id = 0;
    std::size_t offset = 0;
    std::size_t size = 0;

    friend bool operator==(const BitmapEntry&, const BitmapEntry&) = default;
};

// The bitmap resources named by integer identifier, in increasing identifier order, each
// in its first language; bitmaps named by string are left out. A module without
// resources, or without bitmaps, answers an empty list. Throws PeFormatError when the
// headers or the resource tree are damaged or point outside the file.
std::vector<BitmapEntry> listBitmapResources(std::span<const std::uint8_t> file);

} // namespace pefile
