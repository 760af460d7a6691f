#pragma once

#include "movefile/movefilecontents.h"

// The banner boxes' texts at start-up, which a new game also starts with.
std::array<std::string, 3> defaultBannerTexts();

// The move file of a new game: every counter in its holding-area hex with start hex =
// present hex, no losses, no markers, no combats, and the default banner texts.
MoveFileContents newGameContents();
