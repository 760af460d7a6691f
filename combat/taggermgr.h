#pragma once

#include "tagger.h"
#include "tagsection.h"

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
    TaggerMgr(const PictureModule* module, MapPicture* mapBitmap);
    ~TaggerMgr();
    TaggerMgr(const TaggerMgr&) = delete;
    TaggerMgr& operator=(const TaggerMgr&) = delete;

    // Records a combat rolled here; draws it unless an own tag already shows at that hex.
    void addCombat(const TaggerInfo& info);
    // Calls show for each own tag at the position in roll order, then each opened tag
    // there in file order.
    void showCombatsAt(AFPoint position, const std::function<void(const Tagger&)>& show) const;
    // Takes every picture off the map; the tags stay and are still shown and saved.
    void hideTags();
    // Removes all tags, own first, then opened, each putting back the map it covered.
    void clearTags();

    // The tags section: the mark, the number of own tags, each own tag in set order.
    void writeTags(ByteWriter& out) const;
    // Reads and checks a whole tags section, then replaces all tags with it; on a bad
    // section it throws TagSectionError or a reader error and changes nothing.
    void readTags(ByteReader& in);
    // Clears all tags, then inserts the records as opened tags in order, drawing the first
    // at each position.
    void replaceWithOpened(const std::vector<TagRecord>& records);

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
    static void clearSet(TaggerMultiSet& tags);
    static void insertFirstDrawn(TaggerMultiSet& tags, const PictureModule* module,
                                 MapPicture* mapBitmap, AFPoint position, std::int32_t dieValue,
                                 const std::string& comment, bool fromFile);

    const PictureModule* module_;
    MapPicture* mapBitmap_;
    TaggerMultiSet ownTags_;
    TaggerMultiSet openedTags_;
    std::uint64_t ownRevision_ = 0;
};
