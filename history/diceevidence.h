#pragma once

#include "dice/diceverdict.h"
#include "history/gamehistory.h"
#include "history/historyentry.h"
#include "movefile/openedmovefile.h"

#include <QByteArray>

#include <optional>

// What the player's own history holds to check an opened file's rolls (DiceEvidence): the
// file they sent, which the opponent should have rolled against, and the commitment of the
// opponent's file that it answered.

// `game` is the game the file is taken to be a turn of (its id when it fits, the game whose
// positions it follows for a file without one); none finds nothing. The sent file is the
// player's saved copy the file's dice record names, when it answers the same file of theirs
// as the player's newest saved copy kept before the file itself was first kept (a copy saved
// again after sending answers the same file); else that newest copy, so that a file which
// names no file, or an older one, is checked against the file the player sent last. A file
// the player saved themselves has no evidence: it is their own.
DiceEvidence diceEvidenceFor(const GameHistory& history, const OpenedMoveFile& file,
                             const std::optional<GameId>& game);
// The same with the sent file given; a null history finds no commitment.
DiceEvidence diceEvidenceAgainst(const GameHistory* history, const OpenedMoveFile& sent,
                                 const std::optional<GameId>& game);

// A copy of the game's history read back as Open reads a file.
struct KeptCopy {
    HistoryEntry entry;
    OpenedMoveFile file;
};
// The game's copy whose SHA-256 is `hash`.
std::optional<KeptCopy> keptCopyWithHash(const GameHistory& history, const GameId& game,
                                         const QByteArray& hash);
