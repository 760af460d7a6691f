#pragma once

#include <memory>

class CounterMgr;
class MapBoard;
class MapPicture;
class PictureModule;
class TaggerMgr;

// What a Game is made of, built and torn down in the one order the program knows: the map
// picture, the counters' picture module, the counter manager, the board (whose hexes erase
// to the map's pristine pixels) and the tag manager; torn down modules first, then board,
// counters and tags (which put the map back under their pictures), the map last.
//
// One set is alive at a time: counters find their pictures through one class-wide module
// (ZeKCounter::setPictureModule), which a second set would silently take over. Building a
// second one while the first is alive throws std::logic_error.
struct GameParts {
    // Throws ResourceError when korva_1 has no map picture.
    GameParts(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters);
    ~GameParts();
    GameParts(const GameParts&) = delete;
    GameParts& operator=(const GameParts&) = delete;

    std::unique_ptr<PictureModule> mapAndTags;
    std::unique_ptr<PictureModule> counterPictures;
    std::unique_ptr<MapPicture> mapPicture;
    std::unique_ptr<CounterMgr> counters;
    std::unique_ptr<MapBoard> board;
    std::unique_ptr<TaggerMgr> tags;
};
