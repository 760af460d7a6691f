#include "combat/taggermgr.h"

#include "base/bytestream.h"
#include "board/picturemodule.h"

#include <QString>

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <utility>

TaggerMgr::TaggerMgr(const PictureModule* module, MapPicture* mapBitmap)
    : module_(module), mapBitmap_(mapBitmap) {}

TaggerMgr::~TaggerMgr() {
    clearTags();
}

void TaggerMgr::insertFirstDrawn(TaggerMultiSet& tags, const PictureModule* module,
                                 MapPicture* mapBitmap, AFPoint position, std::int32_t dieValue,
                                 const std::string& comment, bool fromFile) {
    // Only the first tag at a position carries the map; the stored copy draws itself.
    const bool first = tags.find(Tagger(position)) == tags.end();
    tags.insert(Tagger(module, first ? mapBitmap : nullptr, position, dieValue, comment, fromFile));
}

void TaggerMgr::addCombat(const TaggerInfo& info) {
    insertFirstDrawn(ownTags_, module_, mapBitmap_, info.position, info.dieValue, info.comment,
                     false);
    ++ownRevision_;
}

void TaggerMgr::showCombatsAt(AFPoint position,
                              const std::function<void(const Tagger&)>& show) const {
    const Tagger key(position);
    for (const TaggerMultiSet* tags : {&ownTags_, &openedTags_}) {
        const TaggerPair range = tags->equal_range(key);
        for (auto it = range.first; it != range.second; ++it)
            show(*it);
    }
}

void TaggerMgr::forEachFirstIn(const TaggerMultiSet& tags, AFPoint topLeft, AFPoint bottomRight,
                               const std::function<void(const Tagger&)>& visit) {
    auto it = tags.lower_bound(Tagger(topLeft));
    while (it != tags.end() && it->position().x <= bottomRight.x) {
        const AFPoint at = it->position();
        if (at.y > bottomRight.y) {
            // Past the rectangle in this column of pixels: on to the next one.
            if (at.x == std::numeric_limits<int>::max())
                break;
            it = tags.lower_bound(Tagger(AFPoint(at.x + 1, topLeft.y)));
        } else if (at.y < topLeft.y) {
            it = tags.lower_bound(Tagger(AFPoint(at.x, topLeft.y)));
        } else {
            visit(*it);
            it = tags.upper_bound(*it);
        }
    }
}

void TaggerMgr::hideTags() {
    // A copy of a drawn tag draws once more and then puts back the block it inherited,
    // which is the map as it was before the first picture went on.
    for (const TaggerMultiSet* tags : {&ownTags_, &openedTags_}) {
        for (const Tagger& tag : *tags) {
            Tagger copy(tag);
            copy.erase();
        }
    }
}

void TaggerMgr::clearSet(TaggerMultiSet& tags) {
    while (!tags.empty())
        tags.erase(tags.begin());
}

void TaggerMgr::clearTags() {
    if (!ownTags_.empty())
        ++ownRevision_;
    clearSet(ownTags_);
    clearSet(openedTags_);
}

void TaggerMgr::writeTags(ByteWriter& out) const {
    writeTagsSection(out, ownRecords());
}

void TaggerMgr::readTags(ByteReader& in) {
    replaceWithOpened(readTagsSection(in));
}

void TaggerMgr::replaceWithOpened(const std::vector<TagRecord>& records) {
    replaceKeepingOld(records); // the old tags are off the map already: dropped silently
}

TaggerMgr::Replaced TaggerMgr::replaceKeepingOld(const std::vector<TagRecord>& records) {
    // Every picture must be there before anything comes off the map, so that a missing
    // one cannot leave the tags half replaced.
    if (mapBitmap_)
        checkPictures(records);
    Replaced old;
    old.ownRevision_ = ownRevision_;
    if (!ownTags_.empty())
        ++ownRevision_;
    // Own tags were drawn over the opened ones, so they come off first.
    old.own_ = takeOff(ownTags_);
    old.opened_ = takeOff(openedTags_);
    try {
        insertOpened(records);
    } catch (...) {
        restoreDrawn(std::move(old));
        throw;
    }
    return old;
}

void TaggerMgr::insertOpened(const std::vector<TagRecord>& records) {
    const auto byPosition = [](const TagRecord& a, const TagRecord& b) {
        return a.position < b.position;
    };
    // The set is empty here. Each tag goes in at its end, never searching a set of hundreds
    // of thousands: the opponent's program writes the tags in the set's order.
    if (std::is_sorted(records.begin(), records.end(), byPosition)) {
        for (const TagRecord& record : records) {
            const bool first =
                openedTags_.empty() || std::prev(openedTags_.end())->position() != record.position;
            const auto tag =
                openedTags_.emplace_hint(openedTags_.end(), module_, first ? mapBitmap_ : nullptr,
                                         record.position, record.dieValue, record.comment, true);
            inPlace(*tag).draw();
        }
        return;
    }
    // Any other order is sorted first; the file's index breaks ties, keeping a position's
    // tags in file order.
    const auto keyOf = [](AFPoint p) {
        constexpr std::uint32_t kSign = 0x80000000u;
        return (std::uint64_t{std::uint32_t(p.x) ^ kSign} << 32) | (std::uint32_t(p.y) ^ kSign);
    };
    std::vector<std::pair<std::uint64_t, std::size_t>> order;
    order.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        order.emplace_back(keyOf(records[i].position), i);
    std::sort(order.begin(), order.end());
    // The first tag at each position carries the map; made in place, it has not drawn yet.
    std::vector<TaggerMultiSet::iterator> firstByFile(records.size(), openedTags_.end());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const TagRecord& record = records[order[k].second];
        const bool first = k == 0 || order[k - 1].first != order[k].first;
        const auto tag =
            openedTags_.emplace_hint(openedTags_.end(), module_, first ? mapBitmap_ : nullptr,
                                     record.position, record.dieValue, record.comment, true);
        if (first)
            firstByFile[order[k].second] = tag;
    }
    order = {};
    // They draw in file order, which decides the picture on top where blocks overlap.
    for (const TaggerMultiSet::iterator& first : firstByFile)
        if (first != openedTags_.end())
            inPlace(*first).draw();
}

void TaggerMgr::checkPictures(const std::vector<TagRecord>& records) const {
    if (records.empty())
        return;
    if (!module_)
        throw ResourceError(QStringLiteral("tag pictures"), "no picture module is loaded");
    const auto pictureOf = [](std::int32_t dieValue) {
        return Tagger(nullptr, nullptr, AFPoint(), dieValue, {}, true).pictureId();
    };
    // A file holds few die values: when each has its picture, so has every tag that draws.
    std::map<std::int32_t, bool> hasPicture;
    for (const TagRecord& record : records)
        if (const auto [it, isNew] = hasPicture.try_emplace(record.dieValue); isNew)
            it->second = module_->contains(pictureOf(record.dieValue));
    if (std::all_of(hasPicture.begin(), hasPicture.end(),
                    [](const auto& die) { return die.second; }))
        return;
    // Only the first tag at a position draws; a later one there may lack its picture.
    std::set<AFPoint> drawnAt;
    for (const TagRecord& record : records)
        if (drawnAt.insert(record.position).second && !hasPicture[record.dieValue])
            throw ResourceError(module_->name(), pictureOf(record.dieValue));
}

void TaggerMgr::restoreDrawn(Replaced&& old) {
    // Gone before anything is drawn, so that no block they put back covers a new picture.
    takeOff(ownTags_);
    takeOff(openedTags_);
    // Opened first: own tags were drawn over them.
    for (auto [from, tags] : {std::pair{&old.opened_, &openedTags_}, {&old.own_, &ownTags_}}) {
        *tags = std::move(*from);
        from->clear();
        for (const Tagger& tag : *tags) {
            try {
                inPlace(tag).draw();
            } catch (const ResourceError&) {
                // Drawn before, so the picture was there; a module that lost it since
                // has reported it, and the tag stays without its picture.
            }
        }
    }
    ownRevision_ = old.ownRevision_;
}

TaggerMultiSet TaggerMgr::takeOff(TaggerMultiSet& tags) {
    for (const Tagger& tag : tags)
        inPlace(tag).erase();
    return std::exchange(tags, {});
}

TaggerMgr::Replaced::~Replaced() {
    for (const TaggerMultiSet* tags : {&own_, &opened_})
        for (const Tagger& tag : *tags)
            inPlace(tag).releaseMap();
}

std::vector<TagRecord> TaggerMgr::ownRecords() const {
    std::vector<TagRecord> records;
    records.reserve(ownTags_.size());
    for (const Tagger& tag : ownTags_)
        records.push_back({tag.position(), tag.dieValue(), tag.comment()});
    return records;
}
