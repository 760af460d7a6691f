#include "game/gameparts.h"

#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/pictureids.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"

#include <stdexcept>

namespace {
bool alive = false;
} // namespace

GameParts::GameParts(std::unique_ptr<PictureModule> mapAndTagPictures,
                     std::unique_ptr<PictureModule> counterModule)
    : mapAndTags(std::move(mapAndTagPictures)), counterPictures(std::move(counterModule)) {
    if (alive)
        throw std::logic_error("a second game while one is alive: they would share the "
                               "counters' picture module");
    if (!mapAndTags || !counterPictures)
        throw std::invalid_argument("a game needs both picture modules");
    mapPicture = std::make_unique<MapPicture>(mapAndTags->takeBitmap(pictureids::kMap));
    ZeKCounter::setPictureModule(counterPictures.get());
    try {
        counters = std::make_unique<CounterMgr>();
        board = std::make_unique<MapBoard>(*mapPicture);
        tags = std::make_unique<TaggerMgr>(mapAndTags.get(), mapPicture.get());
    } catch (...) {
        ZeKCounter::setPictureModule(nullptr);
        throw;
    }
    alive = true;
}

GameParts::~GameParts() {
    // The modules go first; what is deleted after them holds its own pictures. The tags go
    // last of the three and put the map back under their pictures, so the map outlives them.
    ZeKCounter::setPictureModule(nullptr);
    mapAndTags.reset();
    counterPictures.reset();
    board.reset();
    counters.reset();
    tags.reset();
    mapPicture.reset();
    alive = false;
}
