#pragma once

#include "combat/tagger.h"
#include "combat/tagsection.h"

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

class ByteReader;
class ByteWriter;
class MapPicture;
class PictureModule;

// Tags ordered by position; tags at one position keep the order they were inserted in.
using TaggerMultiSet = std::multiset<Tagger>;
// The tags at one position, as an equal range of a TaggerMultiSet.
using TaggerPair = std::pair<TaggerMultiSet::const_iterator, TaggerMultiSet::const_iterator>;

// Owns every combat tag of the game: the player's own combats of this turn, which are
// saved, and those of the opened move file, which are only shown. In each set only the
// first tag at a position shows a picture; later ones there are stored silent.
class TaggerMgr {
public:
    // The tags a replacement took off the map, whole with the blocks they keep, so that a
    // failed open can put them back with restoreDrawn(). Dropped, they draw nothing.
    class Replaced {
    public:
        Replaced() = default;
        Replaced(Replaced&&) = default;
        Replaced& operator=(Replaced&&) = default;
        ~Replaced();

    private:
        friend class TaggerMgr;
        TaggerMultiSet own_;
        TaggerMultiSet opened_;
        std::uint64_t ownRevision_ = 0;
    };

    TaggerMgr(const PictureModule* module, MapPicture* mapBitmap);
    ~TaggerMgr();
    TaggerMgr(const TaggerMgr&) = delete;
    TaggerMgr& operator=(const TaggerMgr&) = delete;

    // Records a combat rolled here; draws it unless an own tag already shows at that hex.
    void addCombat(const TaggerInfo& info);
    // Calls show for each own tag at the position in roll order, then each opened tag
    // there in file order.
    void showCombatsAt(AFPoint position, const std::function<void(const Tagger&)>& show) const;
    // Calls visit with the first tag at each position inside the rectangle from `topLeft` to
    // `bottomRight` (both included), in set order: the tags that can carry a picture there.
    // Steps from position to position, so the tags sharing one cost nothing.
    static void forEachFirstIn(const TaggerMultiSet& tags, AFPoint topLeft, AFPoint bottomRight,
                               const std::function<void(const Tagger&)>& visit);
    // Takes every picture off the map; the tags stay and are still shown and saved.
    void hideTags();
    // Removes all tags, own first, then opened, each putting back the map it covered.
    void clearTags();

    // The tags section: the mark, the number of own tags, each own tag in set order.
    // Throws TagSectionError, writing nothing, for a comment no reader would take back.
    void writeTags(ByteWriter& out) const;
    // Reads and checks a whole tags section, then replaces all tags with it; on a bad
    // section it throws TagSectionError or a reader error and changes nothing.
    void readTags(ByteReader& in);
    // Clears all tags, then inserts the records as opened tags in order, drawing the first
    // at each position.
    void replaceWithOpened(const std::vector<TagRecord>& records);
    // The same, handing back the tags it took off. When it throws, the old tags are back,
    // drawn as before.
    Replaced replaceKeepingOld(const std::vector<TagRecord>& records);
    // Takes the present tags off the map, then puts back what replaceKeepingOld took off
    // and draws it again: for a position that was only set aside, its map drawn since.
    void restoreDrawn(Replaced&& old);

    const TaggerMultiSet& ownTags() const { return ownTags_; }
    const TaggerMultiSet& openedTags() const { return openedTags_; }
    bool hasOwnTags() const { return !ownTags_.empty(); }
    std::size_t ownCount() const { return ownTags_.size(); }
    std::size_t openedCount() const { return openedTags_.size(); }
    // The own tags as records, in the order they would be saved.
    std::vector<TagRecord> ownRecords() const;
    // Grows with every change of what a save would write (a new combat, an open), so a
    // caller can compare it with the value it noted at its last save.
    std::uint64_t ownRevision() const { return ownRevision_; }

private:
    // Inserts the records as opened tags in order, drawing the first at each position.
    void insertOpened(const std::vector<TagRecord>& records);
    // Throws ResourceError when a tag the records would draw has no picture.
    void checkPictures(const std::vector<TagRecord>& records) const;
    static void clearSet(TaggerMultiSet& tags);
    // Puts back the map under every tag of the set, in order, and hands the tags over.
    static TaggerMultiSet takeOff(TaggerMultiSet& tags);
    // A tag of a set, to draw, erase or let go of the map: none of them touches its
    // position, which is all the set orders by.
    static Tagger& inPlace(const Tagger& tag) { return const_cast<Tagger&>(tag); }
    static void insertFirstDrawn(TaggerMultiSet& tags, const PictureModule* module,
                                 MapPicture* mapBitmap, AFPoint position, std::int32_t dieValue,
                                 const std::string& comment, bool fromFile);

    const PictureModule* module_;
    MapPicture* mapBitmap_;
    TaggerMultiSet ownTags_;
    TaggerMultiSet openedTags_;
    std::uint64_t ownRevision_ = 0;
};
