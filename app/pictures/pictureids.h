#pragma once

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

} // namespace pictureids
