#include "game/game.h"

#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/pictureids.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "counters/zekcounter.h"
#include "counters/zekcounterat.h"
#include "game/positionsnapshot.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"

#include <set>
#include <stdexcept>

namespace {

// Every counter and marker picture a new position will draw, fetched before anything
// changes, so that a picture which cannot be had refuses the position whole rather than
// failing half-way through the drawing. The records follow the counters' order.
void fetchCounterPictures(const std::vector<CounterRecord>& records, const CounterMgr& counters) {
    const PictureModule* module = ZeKCounter::pictureModule();
    if (module == nullptr)
        return;
    std::set<int> ids;
    auto counter = counters.counters().begin();
    for (const CounterRecord& record : records) {
        if (counter == counters.counters().end())
            break;
        ids.insert((*counter)->basePictureId() + record.losses);
        if (record.marker > 0)
            ids.insert(ZeKCounter::kMarkerPictureBase + record.marker);
        ++counter;
    }
    for (const int id : ids)
        static_cast<void>(module->bitmap(id));
}

} // namespace

struct Game::Present {
    PositionSnapshot position;
    TaggerMgr::Replaced tags;
    std::array<std::string, 3> banners;
    TurnKeeper turn;
};

Game::Game(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
           QObject* parent)
    : QObject(parent), parts_(std::move(mapAndTags), std::move(counters)),
      turn_(std::make_unique<TurnKeeper>(*parts_.counters)), banners_(defaultBannerTexts()) {}

Game::~Game() {
    present_.reset(); // a present kept aside draws nothing as it goes
}

void Game::open(const MoveFileContents& contents) {
    OpenedMoveFile file;
    file.contents = contents;
    open(file);
}

void Game::open(const OpenedMoveFile& file, const OpenAs& as) {
    backToPresent();
    replacePosition(file.contents);
    if (as.ownCombats) {
        // Drawn as the player's, in the order they were made (the file's order at a hex).
        parts_.tags->clearTags();
        for (const TagRecord& tag : file.contents.tags)
            parts_.tags->addCombat(TaggerInfo{tag.position, tag.dieValue, tag.comment});
    }
    // Before the signal, so that whoever redraws the moves finds the new ones.
    turn_->opened(file, as.gameOfFolder, as.ownLastFile, !as.ignoreGameId);
    emit positionReplaced();
}

void Game::showPast(const OpenedMoveFile& file) {
    // From the present each time, so that only one way leads back to it: the present's tags
    // keep the map as it lay under them.
    backToPresent();
    std::unique_ptr<Present> present = replacePosition(file.contents);
    turn_->opened(file, {}, {});
    present_ = std::move(present);
    emit positionReplaced();
}

std::unique_ptr<Game::Present> Game::replacePosition(const MoveFileContents& contents) {
    fetchCounterPictures(contents.counters, *parts_.counters);
    auto replaced = std::unique_ptr<Present>(
        new Present{PositionSnapshot(*parts_.counters, *parts_.board), {}, banners_, *turn_});
    replaced->tags = parts_.tags->replaceKeepingOld(contents.tags);
    try {
        parts_.counters->applyRecords(contents.counters);
        parts_.board->rebuild(parts_.counters->counters());
        parts_.board->redrawAll();
    } catch (...) {
        // The board first, then the tags over it: redrawing the board covers the tags'
        // pictures, and the new tags' backgrounds are what lay under them before.
        replaced->position.restore(*parts_.counters, *parts_.board);
        parts_.tags->restoreDrawn(std::move(replaced->tags));
        throw;
    }
    banners_ = contents.banners;
    return replaced;
}

void Game::backToPresent() {
    if (!present_)
        return;
    const std::unique_ptr<Present> present = std::move(present_);
    present->position.restore(*parts_.counters, *parts_.board);
    parts_.tags->restoreDrawn(std::move(present->tags));
    banners_ = present->banners;
    *turn_ = present->turn;
    emit positionReplaced();
}

void Game::newGame(TurnOrder order) {
    backToPresent();
    replacePosition(newGameContents());
    turn_->newGame(*parts_.counters, std::move(order));
    emit positionReplaced();
}

void Game::restack() {
    parts_.board->rebuild(parts_.counters->counters());
    parts_.board->redrawAll();
    emit positionReplaced();
}

bool Game::moveTop(int from, int to) {
    if (parts_.board->count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    parts_.board->moveTop(from, to);
    emit countersChanged({from, to});
    return true;
}

bool Game::moveAll(int from, int to) {
    if (from == to || parts_.board->count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    parts_.board->moveAll(from, to);
    emit countersChanged({from, to});
    return true;
}

void Game::rotateStack(int hex) {
    parts_.board->rotateStack(hex);
    if (parts_.board->count(hex) > 1)
        emit countersChanged({hex});
}

ZeKCounter* Game::cycle(int hex, Cycle what) {
    ZeKCounter* counter = counterAt(hex);
    if (!counter)
        return nullptr;
    if (what == Cycle::Losses)
        counter->cycleLosses();
    else
        counter->cycleMarker();
    parts_.board->redrawHex(hex);
    emit countersChanged({hex});
    return counter;
}

void Game::setLossesAndMarker(int hex, int losses, int marker) {
    ZeKCounter* counter = counterAt(hex);
    if (!counter)
        return;
    CounterRecord record = counter->record();
    record.losses = losses;
    record.marker = marker;
    counter->setState(record);
    parts_.board->redrawHex(hex);
    emit countersChanged({hex});
}

void Game::endTurn() {
    parts_.counters->endTurn();
    turn_->saved(true, *parts_.counters);
    emit turnEnded();
}

void Game::addCombat(const TaggerInfo& info) {
    parts_.tags->addCombat(info);
    emit tagsChanged();
}

void Game::hideTags() {
    parts_.tags->hideTags();
    emit tagsChanged();
}

ZeKCounter* Game::counterAt(int hex) const {
    return zekCounterAt(*parts_.board, hex);
}
