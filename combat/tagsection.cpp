#include "combat/tagsection.h"

#include "base/bytestream.h"
#include "combat/tagger.h"

namespace {

// Word, x, y, die value, comment length and the zero byte of an empty comment.
constexpr qsizetype kSmallestTagRecord = 5 * 4 + 1;

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
        Tagger key(AFPoint(0, 0));
        key.readTag(in, "combat " + std::to_string(i + 1) + " in the combat section");
        if (key.dieValue() < 1 || key.dieValue() > 6)
            throw TagSectionError("combat " + std::to_string(i + 1) + " has the die value " +
                                  std::to_string(key.dieValue()) + ", outside 1 to 6");
        records.push_back({key.position(), key.dieValue(), key.comment()});
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
