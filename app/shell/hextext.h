#pragma once

#include <QString>

// Where a hex lies, as the window says it: the board's own labels, with "Off board" in the
// player's language (the move report keeps the English words, byte for byte).
namespace hextext {

// "Hex : K12", or "Off board" for a hex off the board or no hex at all.
QString label(int hex);
// "K12", or "Off board".
QString shortLabel(int hex);

} // namespace hextext
