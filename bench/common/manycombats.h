#pragma once

#include "bench/common/busymovefile.h"
#include "combat/tagsection.h"
#include "geometry/hexgrid.h"
#include "movefile/movefilecontents.h"
#include "movefile/movefilereader.h"
#include "movefile/movefilewriter.h"

#include <QByteArray>

#include <algorithm>

// Move files as an opponent who wants the player's machine to choke would send them: the
// busy position with a great many combats behind it.
namespace manycombats {

enum class Layout {
    // Dozens of combats on each hex of the board, ordered by position as the opponent's
    // program writes them.
    Hexes,
    // The same in no order.
    ShuffledHexes,
    // Each on a pixel of its own, all over the map, in no order: every one draws its
    // picture and keeps the block it covered.
    Pixels,
};

inline const char* nameOf(Layout layout) {
    switch (layout) {
    case Layout::Hexes:
        return "on the hexes";
    case Layout::ShuffledHexes:
        return "on the hexes in no order";
    case Layout::Pixels:
        break;
    }
    return "each on a pixel of its own";
}

// The smallest tag record: the word, x, y, die value, a comment length of 0 and its zero
// byte.
inline constexpr int kSmallestRecord = 5 * 4 + 1;

inline AFPoint positionOf(Layout layout, int n) {
    if (layout == Layout::Pixels)
        return AFPoint(n % 1500, (n / 1500) * 5 % 2720);
    const int boardHexes = hexgrid::kBoardColumns * hexgrid::kRowsPerColumn;
    return hexgrid::hexPosition((n * 37) % boardHexes);
}

inline QByteArray make(int combats, Layout layout) {
    MoveFileContents contents = parseMoveFile(busymovefile::busy());
    contents.tags.clear();
    contents.tags.reserve(static_cast<std::size_t>(combats));
    for (int n = 0; n < combats; ++n)
        contents.tags.push_back({positionOf(layout, n), n % 6 + 1, {}});
    if (layout == Layout::Hexes)
        std::stable_sort(
            contents.tags.begin(), contents.tags.end(),
            [](const TagRecord& a, const TagRecord& b) { return a.position < b.position; });
    return encodeMoveFile(contents);
}

// As many combats as the reader's size limit leaves room for.
inline int combatsAtSizeLimit() {
    const qint64 room = movefile::kMaxFileSize - busymovefile::busy().size();
    return static_cast<int>(room / kSmallestRecord);
}

} // namespace manycombats
