#pragma once

#include "movefile/turnrecord.h"

#include <QString>

#include <optional>

// The names Save proposes: the game's name, the turn and the side to move, such as
// salerno_t03_axis.krv, so that a folder of a game's files sorts by turn.
namespace savename {

// The game's name as a file's name carries it: the title without a "_t03_axis" (and a
// "_2") Korva added; "korva" when nothing is left. Only letters, digits, "-" and "_".
QString gameNameOf(const QString& fileName);
// A name typed by the player made fit for a file's name: lower case, letters, digits and
// "-" kept, anything else one "_", at most 40 characters; "korva" when nothing is left.
QString fileNamePart(const QString& name);
// "<game>_t03_axis.krv" for a known turn, "<game>.krv" for an unknown one. When that is
// `avoid` (the opponent's file the game came from), "_2" goes before ".krv".
QString proposedName(const QString& gameName, const std::optional<TurnRecord>& turn,
                     const QString& avoid = {});

} // namespace savename
