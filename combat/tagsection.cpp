#include "combat/tagsection.h"

#include "base/bytestream.h"
#include "combat/tagger.h"

namespace {

// Word, x, y, die value, comment length and the zero byte of an empty comment.
constexpr qsizetype kSmallestTagRecord = 5 * 4 + 1;

// One record as Tagger::readTag takes it, without the names its errors would need: a file
// may hold hundreds of thousands. False, with the reader where it was, when the record is
// short or its comment too long.
bool readSoundRecord(ByteReader& in, TagRecord& record) {
    ByteReader ahead = in;
    if (ahead.remaining() < kSmallestTagRecord)
        return false;
    ahead.readInt32(); // the record word carries no meaning
    const std::int32_t x = ahead.readInt32();
    const std::int32_t y = ahead.readInt32();
    const std::int32_t dieValue = ahead.readInt32();
    ByteReader length = ahead;
    const std::int32_t n = length.readInt32();
    if (n < 0 || n > Tagger::kMaxCommentLength || length.remaining() < qsizetype{n} + 1)
        return false;
    record = {AFPoint(x, y), dieValue, ahead.readText(Tagger::kMaxCommentLength, {})};
    in = ahead;
    return true;
}

} // namespace

std::vector<TagRecord> readTagsSection(ByteReader& in) {
    const std::int32_t mark = in.readInt32("the mark of the combat section");
    if (mark != kTagsSectionMark)
        throw TagSectionError("the combat section is missing (wrong section mark " +
                              std::to_string(mark) + ")");
    const std::int32_t count = in.readInt32("the combat count of the combat section");
    if (count < 0)
        throw TagSectionError("the combat count is negative (" + std::to_string(count) + ")");
    // Refuse a count the rest of the file cannot hold before making room for it.
    if (qsizetype{count} > in.remaining() / kSmallestTagRecord)
        throw TagSectionError("the combat count " + std::to_string(count) +
                              " is more than the file holds");
    std::vector<TagRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        TagRecord record;
        if (!readSoundRecord(in, record)) {
            // The record is refused: read it again naming each field, for the error.
            Tagger key(AFPoint(0, 0));
            key.readTag(in, "combat " + std::to_string(i + 1) + " in the combat section");
            record = {key.position(), key.dieValue(), key.comment()};
        }
        if (record.dieValue < 1 || record.dieValue > 6)
            throw TagSectionError("combat " + std::to_string(i + 1) + " has the die value " +
                                  std::to_string(record.dieValue) + ", outside 1 to 6");
        records.push_back(std::move(record));
    }
    return records;
}

void writeTagsSection(ByteWriter& out, const std::vector<TagRecord>& records) {
    for (const TagRecord& record : records)
        if (record.comment.size() > static_cast<std::size_t>(Tagger::kMaxCommentLength))
            throw TagSectionError("a combat comment is longer than " +
                                  std::to_string(Tagger::kMaxCommentLength) + " characters");
    out.writeInt32(kTagsSectionMark);
    out.writeInt32(static_cast<std::int32_t>(records.size()));
    for (const TagRecord& record : records)
        writeTagRecord(out, record);
}

void writeTagRecord(ByteWriter& out, const TagRecord& record) {
    out.writeInt32(Tagger::kRecordWord);
    out.writeInt32(record.position.x);
    out.writeInt32(record.position.y);
    out.writeInt32(record.dieValue);
    out.writeText(record.comment);
}
