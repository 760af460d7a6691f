#include "movefile/movefilewriter.h"

#include "combat/tagger.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "geometry/bytestream.h"

namespace {

void checkTexts(const std::vector<TagRecord>& tags, const std::array<std::string, 3>& banners) {
    for (std::size_t i = 0; i < banners.size(); ++i)
        if (banners[i].size() > static_cast<std::size_t>(movefile::kBannerLimits[i]))
            throw MoveFileError("banner text " + std::to_string(i + 1) + " is longer than " +
                                std::to_string(movefile::kBannerLimits[i]) + " characters");
    for (const TagRecord& tag : tags)
        if (tag.comment.size() > static_cast<std::size_t>(Tagger::kMaxCommentLength))
            throw MoveFileError("a combat comment is longer than " +
                                std::to_string(Tagger::kMaxCommentLength) + " characters");
}

void writeTags(ByteWriter& out, const std::vector<TagRecord>& tags) {
    out.writeInt32(kTagsSectionMark);
    out.writeInt32(static_cast<std::int32_t>(tags.size()));
    for (const TagRecord& tag : tags)
        Tagger(nullptr, nullptr, tag.position, tag.dieValue, tag.comment, false).writeTag(out);
}

void writeBanners(ByteWriter& out, const std::array<std::string, 3>& banners) {
    for (const std::string& text : banners)
        out.writeText(text);
}

} // namespace

QByteArray encodeMoveFile(const CounterMgr& counters, const TaggerMgr& tags,
                          const std::array<std::string, 3>& banners, bool endOfTurn) {
    checkTexts(tags.ownRecords(), banners);
    ByteWriter out;
    out.writeInt32(CounterMgr::kSectionMark);
    out.writeInt32(static_cast<std::int32_t>(counters.counters().size()));
    for (const auto& counter : counters.counters()) {
        CounterRecord record = counter->record();
        if (endOfTurn)
            record.startHex = record.currentHex;
        record.write(out);
    }
    tags.writeTags(out);
    writeBanners(out, banners);
    return out.take();
}

QByteArray encodeMoveFile(const MoveFileContents& contents) {
    checkTexts(contents.tags, contents.banners);
    ByteWriter out;
    out.writeInt32(CounterMgr::kSectionMark);
    out.writeInt32(static_cast<std::int32_t>(contents.counters.size()));
    for (const CounterRecord& record : contents.counters)
        record.write(out);
    writeTags(out, contents.tags);
    writeBanners(out, contents.banners);
    return out.take();
}
