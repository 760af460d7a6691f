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

const Game* Game::alive_ = nullptr;

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
    : QObject(parent), mapAndTags_(std::move(mapAndTags)), counterPictures_(std::move(counters)),
      banners_(defaultBannerTexts()) {
    if (alive_)
        throw std::logic_error("a second game while one is alive: they would share the "
                               "counters' picture module");
    if (!mapAndTags_ || !counterPictures_)
        throw std::invalid_argument("a game needs both picture modules");
    // The map picture, the counters' picture module, the counter manager, the board (whose
    // hexes erase to the map's pristine pixels) and the tag manager, in this order.
    mapPicture_ = std::make_unique<MapPicture>(mapAndTags_->takeBitmap(pictureids::kMap));
    ZeKCounter::setPictureModule(counterPictures_.get());
    try {
        counters_ = std::make_unique<CounterMgr>();
        board_ = std::make_unique<MapBoard>(*mapPicture_);
        tags_ = std::make_unique<TaggerMgr>(mapAndTags_.get(), mapPicture_.get());
        turn_ = std::make_unique<TurnKeeper>(*counters_);
    } catch (...) {
        ZeKCounter::setPictureModule(nullptr);
        throw;
    }
    alive_ = this;
}

Game::~Game() {
    // The modules go first; what is deleted after them holds its own pictures. The tags go
    // last of the three and put the map back under their pictures, so the map outlives them.
    present_.reset(); // a present kept aside draws nothing as it goes
    ZeKCounter::setPictureModule(nullptr);
    mapAndTags_.reset();
    counterPictures_.reset();
    board_.reset();
    counters_.reset();
    tags_.reset();
    mapPicture_.reset();
    alive_ = nullptr;
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
        tags_->clearTags();
        for (const TagRecord& tag : file.contents.tags)
            tags_->addCombat(TaggerInfo{tag.position, tag.dieValue, tag.comment});
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
    fetchCounterPictures(contents.counters, *counters_);
    auto replaced = std::unique_ptr<Present>(
        new Present{PositionSnapshot(*counters_, *board_), {}, banners_, *turn_});
    replaced->tags = tags_->replaceKeepingOld(contents.tags);
    try {
        counters_->applyRecords(contents.counters);
        board_->rebuild(counters_->counters());
        board_->redrawAll();
    } catch (...) {
        // The board first, then the tags over it: redrawing the board covers the tags'
        // pictures, and the new tags' backgrounds are what lay under them before.
        replaced->position.restore(*counters_, *board_);
        tags_->restoreDrawn(std::move(replaced->tags));
        throw;
    }
    banners_ = contents.banners;
    return replaced;
}

void Game::backToPresent() {
    if (!present_)
        return;
    const std::unique_ptr<Present> present = std::move(present_);
    present->position.restore(*counters_, *board_);
    tags_->restoreDrawn(std::move(present->tags));
    banners_ = present->banners;
    *turn_ = present->turn;
    emit positionReplaced();
}

void Game::newGame(TurnOrder order) {
    backToPresent();
    replacePosition(newGameContents());
    turn_->newGame(*counters_, std::move(order));
    emit positionReplaced();
}

void Game::restack() {
    board_->rebuild(counters_->counters());
    board_->redrawAll();
    emit positionReplaced();
}

bool Game::moveTop(int from, int to) {
    if (board_->count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    board_->moveTop(from, to);
    emit countersChanged({from, to});
    return true;
}

bool Game::moveAll(int from, int to) {
    if (from == to || board_->count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    board_->moveAll(from, to);
    emit countersChanged({from, to});
    return true;
}

void Game::rotateStack(int hex) {
    board_->rotateStack(hex);
    if (board_->count(hex) > 1)
        emit countersChanged({hex});
}

ZeKCounter* Game::cycleLosses(int hex) {
    ZeKCounter* counter = counterAt(hex);
    if (!counter)
        return nullptr;
    counter->cycleLosses();
    board_->redrawHex(hex);
    emit countersChanged({hex});
    return counter;
}

ZeKCounter* Game::cycleMarker(int hex) {
    ZeKCounter* counter = counterAt(hex);
    if (!counter)
        return nullptr;
    counter->cycleMarker();
    board_->redrawHex(hex);
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
    board_->redrawHex(hex);
    emit countersChanged({hex});
}

void Game::endTurn() {
    counters_->endTurn();
    turn_->saved(true, *counters_);
    emit turnEnded();
}

void Game::addCombat(const TaggerInfo& info) {
    tags_->addCombat(info);
    emit tagsChanged();
}

void Game::hideTags() {
    tags_->hideTags();
    emit tagsChanged();
}

QByteArray Game::moveFile(bool endOfTurn) const {
    return encodeMoveFile(*counters_, *tags_, banners_, endOfTurn);
}

QByteArray Game::savedFile(bool endOfTurn, const std::function<void(KorvaExtension&)>& addToBlock) {
    KorvaExtension block = turn_->extensionForSave(*counters_, endOfTurn);
    if (addToBlock)
        addToBlock(block);
    return moveFile(endOfTurn) + encodeKorvaExtension(block);
}

QByteArray Game::report() const {
    return moveReport(counters_->counters());
}

ZeKCounter* Game::counterAt(int hex) const {
    return zekCounterAt(*board_, hex);
}
