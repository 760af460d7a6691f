#pragma once

#include <array>
#include <string>

class ByteReader;
class ByteWriter;

// The banner section of a move file: the three banner texts (Windows-1252 bytes), each
// counted, with no mark and no count.

// Reads the three texts; throws MoveFileError for a text longer than its box accepts and a
// reader error for one that runs past the end.
std::array<std::string, 3> readBanners(ByteReader& in);

// Writes the three texts; throws MoveFileError, before writing anything, for a text longer
// than its box accepts, which no reader would take back.
void writeBanners(ByteWriter& out, const std::array<std::string, 3>& banners);
