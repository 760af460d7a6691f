#pragma once

#include "geometry/afpoint.h"

#include <QRgb>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ByteReader;
class ByteWriter;
class MapPicture;
class QImage;
class PictureModule;

// A new combat on its way from the die-roll dialog to the tag manager.
struct TaggerInfo {
    AFPoint position;
    std::int32_t dieValue = 0;
    std::string comment;
};

// One resolved combat: the hex position it was fought at, the die value and the comment.
// A tag with a map picture also shows a small die picture beside its hex and keeps the
// 8 x 8 block it covered, so it can take the picture off again. A copy of a tag with a
// map picture draws itself, and a tag that drew puts its block back when destroyed; the
// tag manager's hiding relies on both.
class Tagger {
public:
    static constexpr int kPictureSize = 8;
    // The word in front of every tag record; readers skip it.
    static constexpr std::int32_t kRecordWord = 4426812;
    // The longest comment the die-roll dialog accepts, and the longest read from a file.
    static constexpr std::int32_t kMaxCommentLength = 80;

    // A search key: no pictures, die value 0, empty comment.
    explicit Tagger(AFPoint position);
    // Does not draw. A null mapBitmap makes a silent tag that never draws.
    Tagger(const PictureModule* module, MapPicture* mapBitmap, AFPoint position,
           std::int32_t dieValue, std::string comment, bool fromFile);
    // Starts empty, then assigns: the copy draws itself when it has a map picture.
    Tagger(const Tagger& other);
    // Erases this tag, takes the other's fields and saved block, then draws.
    Tagger& operator=(const Tagger& other);
    // Puts the saved block back when this tag ever drew.
    virtual ~Tagger();

    // Top-left corner of the picture: 8 pixels left of the position, or at x 24 for the
    // leftmost column, where there is no room on the left.
    AFPoint drawPosition() const;
    // 16011..16016 for combats rolled here, 16021..16026 for those read from a file.
    std::int32_t pictureId() const;

    // Draws the die picture; the first draw keeps the block underneath. Throws
    // ResourceError when the module lacks the picture (the block is kept all the same).
    void draw();
    // Puts the saved block back; the block stays, so erase may be repeated.
    void erase();
    // Lets go of the map: from now on the tag neither draws nor puts a block back, also
    // when destroyed. For a tag whose map picture is being put back whole.
    void releaseMap();

    // One tag record of a move file. readTag takes position, die value and comment as
    // stored (comment up to 80 characters) and marks the tag as read from a file; it
    // throws on a short record or a longer comment and then leaves the tag unchanged.
    // `which` names the record in errors ("combat 3 in the combat section").
    void readTag(ByteReader& in, const std::string& which = "a combat record");
    void writeTag(ByteWriter& out) const;

    const PictureModule* module() const { return module_; }
    MapPicture* mapBitmap() const { return mapBitmap_; }
    const AFPoint& position() const { return position_; }
    std::int32_t dieValue() const { return dieValue_; }
    const std::string& comment() const { return comment_; }
    bool fromFile() const { return fromFile_; }
    bool hasSavedBackground() const { return savedBackground_ != nullptr; }

private:
    using Block = std::array<QRgb, kPictureSize * kPictureSize>;
    // Frees a block, except the one all tags off the map share.
    struct BlockRelease {
        void operator()(const Block* block) const;
    };
    using SavedBlock = std::unique_ptr<const Block, BlockRelease>;
    // The map's pixels under the block at `at`; black where the block leaves the map.
    static SavedBlock takeBlock(const MapPicture& map, AFPoint at);
    static SavedBlock copyOf(const Block& block);
    static const Block& offMapBlock();
    static QImage blockImage(const Block& block);

    const PictureModule* module_ = nullptr;
    MapPicture* mapBitmap_ = nullptr;
    AFPoint position_;
    std::int32_t dieValue_ = 0;
    bool fromFile_ = false;
    std::string comment_;
    // The pixels the first picture covered, row by row: a file may hold hundreds of
    // thousands of tags, so it is kept small.
    SavedBlock savedBackground_;
};

// Tags are ordered by position alone, x first, then y.
namespace std {
template <> struct less<Tagger> {
    bool operator()(const Tagger& a, const Tagger& b) const { return a.position() < b.position(); }
};
} // namespace std
