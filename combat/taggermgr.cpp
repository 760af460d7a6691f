#include "combat/taggermgr.h"

#include "base/bytestream.h"
#include "board/picturemodule.h"

#include <QString>

#include <set>

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
    if (mapBitmap_) {
        std::set<AFPoint> drawnAt;
        for (const TagRecord& record : records) {
            if (!drawnAt.insert(record.position).second)
                continue; // silent, draws nothing
            const Tagger probe(module_, nullptr, record.position, record.dieValue, {}, true);
            if (!module_)
                throw ResourceError(QStringLiteral("tag pictures"), "no picture module is loaded");
            if (!module_->contains(probe.pictureId()))
                throw ResourceError(module_->name(), probe.pictureId());
        }
    }
    Replaced old;
    old.ownRevision_ = ownRevision_;
    if (!ownTags_.empty())
        ++ownRevision_;
    // Own tags were drawn over the opened ones, so they come off first.
    old.own_ = takeOff(ownTags_);
    old.opened_ = takeOff(openedTags_);
    try {
        for (const TagRecord& record : records)
            insertFirstDrawn(openedTags_, module_, mapBitmap_, record.position, record.dieValue,
                             record.comment, true);
    } catch (...) {
        restoreDrawn(std::move(old));
        throw;
    }
    return old;
}

void TaggerMgr::restoreDrawn(Replaced&& old) {
    // Gone before anything is drawn, so that no block they put back covers a new picture.
    takeOff(ownTags_);
    takeOff(openedTags_);
    // Opened first: own tags were drawn over them.
    for (auto [nodes, tags] : {std::pair{&old.opened_, &openedTags_}, {&old.own_, &ownTags_}}) {
        for (TaggerMultiSet::node_type& node : *nodes) {
            try {
                node.value().draw();
            } catch (const ResourceError&) {
                // Drawn before, so the picture was there; a module that lost it since
                // has reported it, and the tag stays without its picture.
            }
            tags->insert(tags->end(), std::move(node));
        }
        nodes->clear();
    }
    ownRevision_ = old.ownRevision_;
}

std::vector<TaggerMultiSet::node_type> TaggerMgr::takeOff(TaggerMultiSet& tags) {
    std::vector<TaggerMultiSet::node_type> nodes;
    nodes.reserve(tags.size());
    while (!tags.empty()) {
        nodes.push_back(tags.extract(tags.begin()));
        nodes.back().value().erase();
    }
    return nodes;
}

TaggerMgr::Replaced::~Replaced() {
    for (auto* nodes : {&own_, &opened_})
        for (TaggerMultiSet::node_type& node : *nodes)
            if (node)
                node.value().releaseMap();
}

std::vector<TagRecord> TaggerMgr::ownRecords() const {
    std::vector<TagRecord> records;
    records.reserve(ownTags_.size());
    for (const Tagger& tag : ownTags_)
        records.push_back({tag.position(), tag.dieValue(), tag.comment()});
    return records;
}
