#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bitmaps the resource-DLL tests build into their fixture DLLs. Every pixel follows
// from a formula, so a test can say what it must read back without decoding anything.
namespace fixtures {

enum class Header { Core, Info, V4, V5 };
enum class Coding { Rgb, Rle8, BitFields };

struct Bitmap {
    int id = 0;
    Header header = Header::Info;
    int bits = 24;
    int width = 1;
    int height = 1;
    bool topDown = false;
    int colorsUsed = 0; // biClrUsed as written
    Coding coding = Coding::Rgb;
    const char* what = "";
};

// Every fixture bitmap, one per identifier.
const std::vector<Bitmap>& all();
const Bitmap& byId(int id);

// The complete .bmp file (with its 14-byte file header), as windres takes it.
std::vector<std::uint8_t> bmpFile(const Bitmap& b);

// The colour (0xRRGGBB) that pixel (x, y), counted from the top-left, must show, and the
// bits of it that a decoder must reproduce exactly (16-bit pixels lose low bits).
std::uint32_t expectedRgb(const Bitmap& b, int x, int y);
std::uint32_t exactBits(const Bitmap& b);

// File name of the fixture's .bmp, as the resource scripts name it.
std::string fileName(const Bitmap& b);

// Resource scripts: every fixture plus a string-named bitmap, a non-bitmap resource with a
// bitmap's number and one bitmap in two languages; and a module with only a few pictures.
std::string fullScript();
std::string partialScript();
// Every kind of bitmap but the large map: small seeds for the fuzzer.
std::string seedScript();
// The identifiers in partialScript().
std::vector<int> partialIds();
// The identifier held in two languages in fullScript(), and the fixture whose picture its
// first language (the lower language number) holds.
constexpr int kTwoLanguageId = 2013;
constexpr int kFirstLanguageSource = 2006;
// The identifier of the non-bitmap resource in fullScript().
constexpr int kDataResourceId = 3000;

} // namespace fixtures
