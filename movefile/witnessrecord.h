#pragma once

#include "movefile/gameid.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

// A die drawn by a Korva server for a game played through it, as the server signed it. The
// file carries these records in Korva's block beside the tags section; the opponent checks
// each against the server's key (netplay/). Only the bytes live here.
struct WitnessedRoll {
    static constexpr qsizetype kHashSize = 32;
    static constexpr qsizetype kSignatureSize = 64;
    // The signed bytes: the format's 8-byte mark, the game (16), turn, number, hex (32-bit
    // each), the comment's SHA-256, the die (32-bit), the time (64-bit milliseconds since
    // 1970, UTC) and the previous record's hash.
    static constexpr qsizetype kSignedSize = 8 + GameId::kSize + 12 + kHashSize + 4 + 8 + kHashSize;
    // The signed bytes followed by the Ed25519 signature over them.
    static constexpr qsizetype kSize = kSignedSize + kSignatureSize;

    GameId::Bytes game{};
    // The move of the game it was rolled in: 1 for the game's first move.
    std::uint32_t turn = 0;
    // 1 for the move's first roll.
    std::uint32_t number = 0;
    std::int32_t hex = 0;
    QByteArray commentHash = QByteArray(kHashSize, '\0');
    std::uint32_t die = 0;
    std::int64_t timeMs = 0;
    // The hash of the game's record before this one (netplay::chainHash); zeros for the first.
    QByteArray previous = QByteArray(kHashSize, '\0');
    QByteArray signature = QByteArray(kSignatureSize, '\0');

    bool operator==(const WitnessedRoll&) const = default;
};

namespace witnessrecord {

// Far above a turn's combats; a larger count is a damaged record.
inline constexpr std::uint32_t kMaxRolls = 10000;

// What the signature covers.
QByteArray signedBytes(const WitnessedRoll& roll);
// The signed bytes and the signature: kSize bytes.
QByteArray encode(const WitnessedRoll& roll);
// Throws std::runtime_error for other than kSize bytes, another mark, a die outside 1..6 or
// a hash or signature of the wrong size.
WitnessedRoll decode(QByteArrayView bytes);

// The block's record: a 32-bit count, then each roll's kSize bytes.
QByteArray encodeList(const std::vector<WitnessedRoll>& rolls);
// Throws std::runtime_error naming what is wrong.
std::vector<WitnessedRoll> decodeList(QByteArrayView body);

} // namespace witnessrecord
