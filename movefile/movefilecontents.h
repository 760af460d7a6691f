#pragma once

#include "combat/tagsection.h"
#include "counters/counterrecord.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// Everything a move file holds, read and checked but not yet applied to a game.
struct MoveFileContents {
    // One record per counter of the order of battle, in its order.
    std::vector<CounterRecord> counters;
    // The saving player's combats, in file order.
    std::vector<TagRecord> tags;
    // The three banner texts (Windows-1252 bytes).
    std::array<std::string, 3> banners;

    bool operator==(const MoveFileContents&) const = default;
};

// A move file that cannot be opened or saved; what() is one line naming the reason.
class MoveFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace movefile {

// The longest text each banner box accepts, and so the longest read back.
inline constexpr std::array<int, 3> kBannerLimits = {42, 42, 110};
// Far above any real move file (2,839 bytes and 21 to 101 per combat), so a wrong pick
// such as a film or a disk image is refused before it is read into memory.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

} // namespace movefile
