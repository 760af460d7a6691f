#include "movefile/movefilewriter.h"

#include "base/bytestream.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "movefile/bannersection.h"

namespace {

// The three sections, each from its own writer, in the order the file holds them. What the
// writers refuse becomes the one error type of the move file.
template <typename WriteSections> QByteArray encode(WriteSections writeSections) {
    ByteWriter out;
    try {
        writeSections(out);
    } catch (const MoveFileError&) {
        throw;
    } catch (const std::exception& error) {
        throw MoveFileError(error.what());
    }
    return out.take();
}

} // namespace

QByteArray encodeMoveFile(const CounterMgr& counters, const TaggerMgr& tags,
                          const std::array<std::string, 3>& banners, bool endOfTurn) {
    return encode([&](ByteWriter& out) {
        counters.writeCounters(out, endOfTurn);
        tags.writeTags(out);
        writeBanners(out, banners);
    });
}

QByteArray encodeMoveFile(const MoveFileContents& contents) {
    return encode([&](ByteWriter& out) {
        CounterMgr::writeRecords(out, contents.counters);
        writeTagsSection(out, contents.tags);
        writeBanners(out, contents.banners);
    });
}
