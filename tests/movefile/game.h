#pragma once

#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "geometry/mapboard.h"
#include "geometry/mappicture.h"
#include "movefile/movefile.h"
#include "tests/common/fakepicturemodule.h"

#include <QImage>

#include <memory>

// A whole game without a window: the two picture modules, the map picture, the counters,
// the board and the tags, wired as the main window wires them. All boards alive share one
// map picture, so keep one Game alive at a time.
struct Game {
    Game() : map(module1.bitmap(pictureids::kMap)) {
        ZeKCounter::setPictureModule(&module2);
        counters = std::make_unique<CounterMgr>();
        board = std::make_unique<MapBoard>(map);
        tags = std::make_unique<TaggerMgr>(&module1, &map);
    }
    ~Game() {
        tags.reset();
        board.reset();
        counters.reset();
        ZeKCounter::setPictureModule(nullptr);
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    ZeKCounter& counter(int n) {
        auto it = counters->counters().begin();
        std::advance(it, n - 1);
        return **it;
    }

    // What Open does: read and check everything, then replace the position in one step.
    // Answers the reason when the file was refused.
    std::string open(const QString& path) {
        try {
            const MoveFileContents contents = readMoveFile(path);
            banners = openMoveFile(contents, *counters, *tags, *board);
        } catch (const MoveFileError& error) {
            return error.what();
        }
        return {};
    }

    // Everything a player could see or save, to compare before and after.
    struct Snapshot {
        std::vector<CounterRecord> counters;
        std::vector<TagRecord> own;
        std::vector<TagRecord> opened;
        std::array<std::string, 3> banners;
        QImage pixels;
        // Every stack as list positions, bottom first: a turned stack keeps its order.
        std::vector<std::vector<std::size_t>> stacks;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const {
        Snapshot s;
        for (const auto& c : counters->counters())
            s.counters.push_back(c->record());
        s.own = tags->ownRecords();
        for (const Tagger& t : tags->openedTags())
            s.opened.push_back({t.position(), t.dieValue(), t.comment()});
        s.banners = banners;
        s.pixels = map.image();
        for (int hex = 0; hex < 2967; ++hex) {
            std::vector<std::size_t> stack;
            for (const Counter* c : board->hex(hex).stack())
                for (std::size_t at = 0; const auto& listed : counters->counters()) {
                    if (listed.get() == c)
                        stack.push_back(at);
                    ++at;
                }
            s.stacks.push_back(std::move(stack));
        }
        return s;
    }

    FakePictureModule module1{QStringLiteral("korva_1.dll")};
    FakePictureModule module2{QStringLiteral("korva_2.dll")};
    MapPicture map;
    std::unique_ptr<CounterMgr> counters;
    std::unique_ptr<MapBoard> board;
    std::unique_ptr<TaggerMgr> tags;
    std::array<std::string, 3> banners;
};
