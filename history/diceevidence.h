#pragma once

#include "dice/diceverdict.h"
#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"

#include <QByteArray>

#include <optional>

// What the player's own history holds to check an opened file's rolls (DiceEvidence): the
// file they sent, which the opponent should have rolled against, and the commitment of the
// opponent's file that it answered.

// The sent file is the newest saved copy of the file's game kept before the file itself
// was first kept (an Open of it again later still finds the file it answered). A file the
// player saved themselves has no evidence: it is their own.
DiceEvidence diceEvidenceFor(const GameHistory& history, const OpenedMoveFile& file);
// The same with the sent file given; a null history finds no commitment.
DiceEvidence diceEvidenceFor(const GameHistory* history, const OpenedMoveFile& file,
                             const OpenedMoveFile& sent);

// The game's copy whose SHA-256 is `hash`, read as Open reads a file.
std::optional<OpenedMoveFile> keptCopyWithHash(const GameHistory& history, const GameId& game,
                                               const QByteArray& hash);
