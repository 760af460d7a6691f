#pragma once

#include "counters/turnchanges.h"

#include <optional>

struct HistoryContext;
struct OpenedMoveFile;

// How a file being opened stands to the player's own saves of its game.
struct OpenedStanding {
    // The player saved these very bytes.
    bool ownFile = false;
    // Its own file, with no counter away from where its turn began, as every file saved at
    // the end of its turn is: ending that turn again hands the move back to the player.
    bool ownTurnEnded = false;
    // The player's newest save answers this file: it began from this file's position, in
    // this file's turn or the one after.
    bool answered = false;
    // A later turn than this file's was answered already.
    bool olderThanAnswered = false;
    // What the file's moves are measured from: the player's own last file, unless that came
    // after this file, when the file's own account of its turn counts.
    std::optional<EarlierFile> measureFrom;
};

OpenedStanding standingOf(const OpenedMoveFile& file, const HistoryContext& context);

// The moves of the file's turn as an Open shows them: measured from standingOf()'s
// measureFrom. What the window shows and what the command line prints and exports.
TurnMoves openedMoves(const OpenedMoveFile& file, const HistoryContext& context);
