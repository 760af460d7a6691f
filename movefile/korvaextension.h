#pragma once

#include "counters/counterplace.h"
#include "movefile/dicerecord.h"
#include "movefile/gameid.h"
#include "movefile/turnrecord.h"
#include "movefile/witnessrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

// Korva's own block after the banner section of a move file: the 8 bytes "KORVAEXT", a
// 32-bit version, the 32-bit length of the records that follow, then records of a 32-bit
// type, a 32-bit length and that many bytes. Integers are little-endian, as in the rest of
// the file. The opponent's program stops reading at the banners and never sees it.
namespace korvaext {

inline constexpr char kMagic[] = "KORVAEXT";
inline constexpr qsizetype kMagicSize = 8;
// Counts changes a reader of an older version could not follow; new record types do not
// change it, as readers skip the types they do not know.
inline constexpr std::uint32_t kVersion = 1;
// Magic, version and length.
inline constexpr qsizetype kHeaderSize = 16;
// A larger block, header included, is ignored unread.
inline constexpr qsizetype kMaxBlockSize = 1024 * 1024;
// The longest note, in bytes of UTF-8.
inline constexpr qsizetype kMaxNoteSize = 64 * 1024;

enum RecordType : std::uint32_t {
    // Per counter in order-of-battle order: the 32-bit start hex and 32-bit state word
    // (marker * 1000 + losses) it had when the turn began; 8 bytes each, 234 counters.
    kTurnStartRecord = 1,
    // The game's 16 bytes.
    kGameIdRecord = 2,
    // The turn's message to the opponent, UTF-8.
    kNoteRecord = 3,
    // The turn: its 32-bit number (1 to 9999), the 32-bit side to move and the 32-bit side
    // that moves first (0 the Allies, 1 the Axis).
    kTurnRecord = 4,
    // The players: per side, the Allies first, a 32-bit length and that many bytes of UTF-8.
    kPlayersRecord = 5,

    // The dice (dicerecord.h):
    // SHA-256 of the secret that will draw the saving player's next turn's dice; 32 bytes.
    kDiceCommitmentRecord = 10,
    // This turn's rolls, the secret they were drawn from and the opened file's hash.
    kDiceRollsRecord = 11,
    // As kDiceCommitmentRecord, with the promise that those dice are drawn per combat
    // (DiceRolls::FixedPerCombat); a file holds one of the two.
    kDicePerCombatCommitmentRecord = 12,

    // The Korva that wrote the file: three 32-bit numbers of its version (1, 0, 0 for 1.0).
    kWriterRecord = 13,
    // The game's name as New game asked it, UTF-8: a plain line of at most 40 characters.
    kGameNameRecord = 14,
    // A game played through a Korva server: this turn's dice as the server signed them, in
    // the order of the tags section (witnessrecord.h).
    kWitnessedRollsRecord = 15,
};

} // namespace korvaext

// A version of Korva, as its block records it.
struct KorvaVersion {
    std::array<std::uint32_t, 3> numbers{};

    // This Korva's own.
    static KorvaVersion current();
    // "1.0", or "1.2.3" when the third number is not 0.
    QString text() const;
    auto operator<=>(const KorvaVersion&) const = default;
};

namespace korvaext {

// A line for the notice of an Open when the block holds records this Korva does not know:
// "made by Korva 2.1, newer than this one: some of its data is not shown"; empty when it holds
// none.
QString unknownRecordsNote(const std::optional<KorvaVersion>& writer, bool unknownRecords);

} // namespace korvaext

// What the block holds; a part that is unset is not written.
struct KorvaExtension {
    // One place per counter of the order of battle: where and how it stood when the turn
    // began.
    std::optional<std::vector<CounterPlace>> turnStart;
    std::optional<GameId> gameId;
    // Empty means no note record.
    QString note;

    // The dice: the commitment to the next turn's secret (32 bytes), whether that secret's
    // rolls will be drawn per combat, and this turn's rolls.
    std::optional<QByteArray> diceCommitment;
    bool diceCommitmentPerCombat = false;
    std::optional<DiceRolls> diceRolls;
    // A server game's rolls, each signed by the server.
    std::optional<std::vector<WitnessedRoll>> witnessedRolls;

    // Which turn and whose move; who plays which side (no record when both names are empty).
    std::optional<TurnRecord> turn;
    PlayerNames players;

    // The Korva that wrote the file, and the game's name (empty: no record).
    std::optional<KorvaVersion> writer;
    QString gameName;
    // Read only: the block held record types this Korva does not know (a later Korva's).
    bool unknownRecords = false;

    bool isEmpty() const {
        return !turnStart && !gameId && note.isEmpty() && !diceCommitment && !diceRolls &&
               !witnessedRolls && !turn && players.isEmpty() && !writer && gameName.isEmpty();
    }
    bool operator==(const KorvaExtension&) const = default;
};

// The whole block, records in type order; empty bytes for an empty extension. Throws
// MoveFileError for a note longer than 64 KB in UTF-8, a turn start that is not one place
// per counter, a turn number outside 1 to 9999, a player's or the game's name that
// cleanPlayerName would change, and for anything else that parseKorvaExtension would
// refuse: a save never writes a block its own reader ignores.
QByteArray encodeKorvaExtension(const KorvaExtension& extension);

struct KorvaExtensionRead {
    // Empty when the bytes hold no block or the block was ignored.
    KorvaExtension extension;
    // One line for the window when a block was there but had to be ignored.
    QString warning;
    // The bytes began with the block's magic; why it was ignored, if it was.
    bool present = false;
    QString damage;
};

// Reads the bytes after the banner section. Bytes that do not start with "KORVAEXT" are no
// block and no warning, as before there was one. A block that is damaged, ends early, is
// larger than 1 MB or has another version is ignored whole, with a warning: a known record
// of the wrong length, a known record twice, a turn start outside the map or beyond a
// counter's steps, a game id of zero bytes, a note longer than 64 KB or not UTF-8, a turn
// number outside 1 to 9999 or a side other than 0 and 1, a player's name that is not UTF-8,
// is longer than 40 characters or holds a character cleanPlayerName drops (a control, a
// bidirectional mark, an invisible letter; the game's name likewise), a writer's version of
// other than 12 bytes, a dice commitment of other than 32 bytes, a dice record
// dicerecord::decode refuses, witnessed rolls witnessrecord::decodeList refuses. Unknown record
// types are skipped and noted (unknownRecords); bytes after the block's length are ignored.
KorvaExtensionRead parseKorvaExtension(QByteArrayView afterBanners);
