#include "game/positionsnapshot.h"

#include "board/mapboard.h"
#include "board/mappicture.h"
#include "counters/countermgr.h"
#include "geometry/hexgrid.h"

#include <unordered_map>

PositionSnapshot::PositionSnapshot(const CounterMgr& counters, const MapBoard& board) {
    std::unordered_map<const Counter*, std::size_t> position;
    for (const auto& counter : counters.counters()) {
        position.emplace(counter.get(), records_.size());
        records_.push_back(counter->record());
    }
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex)
        for (const Counter* counter : board.hex(hex).stack())
            if (const auto found = position.find(counter); found != position.end())
                stacked_.push_back(found->second);
}

void PositionSnapshot::restore(CounterMgr& counters, MapBoard& board) const {
    counters.applyRecords(records_);
    std::vector<ZeKCounter*> byPosition;
    for (const auto& counter : counters.counters())
        byPosition.push_back(counter.get());
    // Each counter goes to its own hex, so placing them stack by stack, bottom first,
    // rebuilds every stack in its old order.
    std::vector<ZeKCounter*> order;
    order.reserve(stacked_.size());
    for (const std::size_t at : stacked_)
        order.push_back(byPosition.at(at));
    board.rebuild(order);
    board.redrawAll();
}
