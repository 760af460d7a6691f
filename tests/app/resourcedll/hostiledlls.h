#pragma once

#include <cstdint>
#include <vector>

// Small files that cost a careless reader much memory or time, for tests, the benchmark
// and measuring the command line.
namespace hostiledlls {

// A DLL of `count` run-length coded 8-bit bitmaps, identifiers first, first + 1, ...,
// each claiming width x height pixels but holding only the end-of-bitmap code: 16 of
// 4096 x 4096 take under 2 KB on disk and 1 GB once decoded.
std::vector<std::uint8_t> rleBomb(int firstId, int count, int width, int height);

// A 3.7 MB DLL with 65,535 sections, the resources in the last of them, and a bitmap
// directory of 65,535 entries named by string and 65,535 by number (all naming one small
// bitmap, identifier `id`): a reader that searches the sections anew for every entry
// does 4 billion steps.
std::vector<std::uint8_t> manySections(int id);

// The smallest sound DLL: one 24 x 24 bitmap, identifier `id`.
std::vector<std::uint8_t> minimal(int id);

} // namespace hostiledlls
