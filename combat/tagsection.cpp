#include "combat/tagsection.h"

#include "base/bytestream.h"
#include "combat/tagger.h"

#include <QCoreApplication>

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
    const std::int32_t mark = in.readInt32(
        QCoreApplication::translate("TagSection", "the mark of the combat section").toStdString());
    if (mark != kTagsSectionMark)
        throw TagSectionError(
            QCoreApplication::translate("TagSection",
                                        "the combat section is missing (wrong section mark %1)")
                .arg(mark)
                .toStdString());
    const std::int32_t count = in.readInt32(
        QCoreApplication::translate("TagSection", "the combat count of the combat section")
            .toStdString());
    if (count < 0)
        throw TagSectionError(
            QCoreApplication::translate("TagSection", "the combat count is negative (%1)")
                .arg(count)
                .toStdString());
    // Refuse a count the rest of the file cannot hold before making room for it.
    if (qsizetype{count} > in.remaining() / kSmallestTagRecord)
        throw TagSectionError(QCoreApplication::translate(
                                  "TagSection", "the combat count %1 is more than the file holds")
                                  .arg(count)
                                  .toStdString());
    std::vector<TagRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        TagRecord record;
        if (!readSoundRecord(in, record)) {
            // The record is refused: read it again naming each field, for the error.
            Tagger key(AFPoint(0, 0));
            key.readTag(in,
                        QCoreApplication::translate("TagSection", "combat %1 in the combat section")
                            .arg(i + 1)
                            .toStdString());
            record = {key.position(), key.dieValue(), key.comment()};
        }
        if (record.dieValue < 1 || record.dieValue > 6)
            throw TagSectionError(
                QCoreApplication::translate("TagSection",
                                            "combat %1 has the die value %2, outside 1 to 6")
                    .arg(i + 1)
                    .arg(record.dieValue)
                    .toStdString());
        records.push_back(std::move(record));
    }
    return records;
}

void writeTagsSection(ByteWriter& out, const std::vector<TagRecord>& records) {
    for (const TagRecord& record : records)
        if (record.comment.size() > static_cast<std::size_t>(Tagger::kMaxCommentLength))
            throw TagSectionError(QCoreApplication::translate(
                                      "TagSection", "a combat comment is longer than %1 characters")
                                      .arg(Tagger::kMaxCommentLength)
                                      .toStdString());
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
