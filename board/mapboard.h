#pragma once

#include "board/counter.h"
#include "board/zekhex.h"

#include <memory>
#include <vector>

class MapPicture;

// Owns the 2967 hexes of the map and is the only way to reach them. Hex indexes outside
// 0..2966 are ignored: nothing moves, nothing is drawn, counterAt answers nullptr.
class MapBoard {
public:
    // Builds every hex; they erase to the map picture's pristine pixels. Draws nothing.
    explicit MapBoard(MapPicture& mapPicture);
    ~MapBoard();

    MapBoard(const MapBoard&) = delete;
    MapBoard& operator=(const MapBoard&) = delete;

    void redrawHex(int hexIndex);
    // Turns the stack: the top counter goes to the bottom.
    void rotateStack(int hexIndex);
    // Redraws every hex in index order.
    void redrawAll();
    // Moves the top counter of from onto to, redrawing both; nothing when from is empty.
    void moveTop(int from, int to);
    // Moves counters one by one until from is empty, so they arrive in reverse order.
    // from and to must differ; a move onto the same hex does nothing.
    void moveAll(int from, int to);
    // The top counter of the hex, or nullptr when the stack is empty.
    Counter* counterAt(int hexIndex) const;
    // Empties every stack without drawing or touching a counter.
    void clearAll();

    // Refills every stack from the counters in the given order (the first of a hex's
    // counters ends at the bottom), by each counter's present hex. Counters whose hex is
    // outside the grid are left off the board. Draws nothing. Takes any range of
    // pointers (raw or smart) to Counter.
    template <typename Range> void rebuild(const Range& counters) {
        clearAll();
        for (const auto& counter : counters)
            place(std::to_address(counter));
    }

    // The number of counters in the hex's stack, 0 outside the grid.
    int count(int hexIndex) const;
    // The hex itself, for reading its stack; the index must be 0..2966.
    const Hex& hex(int hexIndex) const { return *hexes_.at(std::size_t(hexIndex)); }
    // The picture the hexes draw into.
    MapPicture& mapPicture() const { return mapPicture_; }

private:
    void place(Counter* counter);

    MapPicture& mapPicture_;
    std::vector<std::unique_ptr<ZeKHex>> hexes_;
};
