#pragma once

#include <QSize>

// Identifiers of the pictures the game asks its two modules for.
namespace pictureids {

// korva_1: the map and the combat tags.
inline constexpr int kMap = 16002;
inline constexpr int kOwnTagBase = 16010;  // + die value 1..6: a roll made in this run
inline constexpr int kFileTagBase = 16020; // + die value 1..6: a roll read from a move file

// korva_2: the counters (first picture + losses) and the two marker pictures.
inline constexpr int kFirstCounter = 2000;
inline constexpr int kLastCounter = 2394;
inline constexpr int kMarkerBase = 2550; // + marker state 1 or 2

inline constexpr bool isTag(int id) {
    return (id > kOwnTagBase && id <= kOwnTagBase + 6) ||
           (id > kFileTagBase && id <= kFileTagBase + 6);
}
inline constexpr bool isCounter(int id) {
    return id >= kFirstCounter && id <= kLastCounter;
}
inline constexpr bool isMarker(int id) {
    return id == kMarkerBase + 1 || id == kMarkerBase + 2;
}

// The largest picture that stays inside what the game wipes when it takes the picture off
// again: a tag restores only the 8 x 8 block it covered; a hex wipes its 27 x 39 counter
// area, in which a counter may be drawn up to 15 pixels low and its marker 8 pixels right
// of and below the counter. An empty size means no limit (the map).
inline constexpr QSize largestSize(int id) {
    if (isTag(id))
        return {8, 8};
    if (isCounter(id))
        return {27, 24};
    if (isMarker(id))
        return {19, 16};
    return {};
}

// The largest picture of the identifier's kind that is decoded at all: anything far beyond
// what the game draws (the map is 1512 x 2720, counters about 24 x 24, markers a little
// smaller, tags 8 x 8) is refused before memory is taken for it. A picture the game never
// asks for may be as large as the map, the largest of all.
inline constexpr QSize readLimit(int id) {
    if (isTag(id))
        return {64, 64};
    if (isCounter(id) || isMarker(id))
        return {256, 256};
    return {3024, 5440};
}

} // namespace pictureids
