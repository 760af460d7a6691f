#pragma once

#include <optional>

// The headless exports, which need no display:
//   korva --export-turn FILE.krv OUT.html [--since EARLIER.krv]
//       the turn's web page: the map around its moves, the changes, the combats with their
//       rolls and the verdict on them, the note; the moves and the dice measured from
//       EARLIER (the file the player sent) when given, else as an Open measures them
//   korva --animate OUT.webp FILE.krv... [--zoom PERCENT] [--frame-ms N]
//   korva --animate --frames DIR FILE.krv... [--zoom PERCENT]
//       the files in order, one frame each with its turn's moves and its turn in the corner,
//       as an animated WebP (1500 ms a frame unless told) or a new folder of numbered PNGs;
//       at 50% unless told. A file refused among them is named and nothing is written;
//       nor is anything left when Ctrl+C or a TERM stops it.
// The exit status, or nullopt when the first argument is none of these.
std::optional<int> runExportCommand(int argc, char** argv);
