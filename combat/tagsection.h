#pragma once

#include "geometry/afpoint.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ByteReader;
class ByteWriter;

// The tags section of a move file: read into plain data so that nothing changes until the
// whole file has been checked, and written from it.

inline constexpr std::int32_t kTagsSectionMark = 12121212;

// One stored combat as the file holds it.
struct TagRecord {
    AFPoint position;
    std::int32_t dieValue = 0;
    std::string comment;

    bool operator==(const TagRecord& other) const {
        return position == other.position && dieValue == other.dieValue && comment == other.comment;
    }
};

// A tags section that this program will not take; the message names the reason.
class TagSectionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the mark, the count and every record. Refuses a wrong mark, a negative count, a
// count that more records than the remaining bytes could hold, a die value outside 1..6
// and, through the reader, a short record or a comment longer than 80 characters.
std::vector<TagRecord> readTagsSection(ByteReader& in);

// The one writer of the tags section: the mark, the number of records, then each record in
// the order given. Throws TagSectionError, before writing anything, for a comment longer
// than 80 characters, which no reader would take back.
void writeTagsSection(ByteWriter& out, const std::vector<TagRecord>& records);

// One tag record: the fixed word, x, y, the die value and the comment.
void writeTagRecord(ByteWriter& out, const TagRecord& record);
