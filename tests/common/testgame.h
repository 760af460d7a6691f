#pragma once

#include "board/mapboard.h"
#include "board/mappicture.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "game/game.h"
#include "movefile/movefile.h"
#include "tests/common/fakepicturemodule.h"

#include <QImage>

#include <memory>

// A Game on the quick stand-in pictures, with what the tests look at: the two modules (to
// take pictures away), counters by their order-of-battle row, and a snapshot of everything
// a player could see or save. One at a time, as every Game.
class TestGame : public Game {
public:
    TestGame()
        : TestGame(new FakePictureModule(QStringLiteral("korva_1.dll")),
                   new FakePictureModule(QStringLiteral("korva_2.dll"))) {}

    // The counter of order-of-battle row n (1-based).
    ZeKCounter& counter(int n) {
        auto it = counters().counters().begin();
        std::advance(it, n - 1);
        return **it;
    }

    // What Open does: read and check everything, then replace the position in one step.
    // Answers the reason when the file was refused.
    std::string openFile(const QString& path) {
        try {
            open(readMoveFile(path));
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
        for (const auto& c : counters().counters())
            s.counters.push_back(c->record());
        s.own = tags().ownRecords();
        for (const Tagger& t : tags().openedTags())
            s.opened.push_back({t.position(), t.dieValue(), t.comment()});
        s.banners = banners();
        s.pixels = mapPicture().image();
        for (int hex = 0; hex < 2967; ++hex) {
            std::vector<std::size_t> stack;
            for (const Counter* c : board().hex(hex).stack())
                for (std::size_t at = 0; const auto& listed : counters().counters()) {
                    if (listed.get() == c)
                        stack.push_back(at);
                    ++at;
                }
            s.stacks.push_back(std::move(stack));
        }
        return s;
    }

    // The modules the game owns, to take pictures away.
    FakePictureModule& module1;
    FakePictureModule& module2;

private:
    TestGame(FakePictureModule* mapAndTags, FakePictureModule* counters)
        : Game(std::unique_ptr<PictureModule>(mapAndTags),
               std::unique_ptr<PictureModule>(counters)),
          module1(*mapAndTags), module2(*counters) {}
};
