#pragma once

#include <optional>

// The program's headless uses, which need no display:
//   korva --report FILE.krv            the move report a save of that position would write
//   korva --render FILE.krv OUT.png    the map with that file's counters and tags drawn
//   korva --extract-pictures DLL DIR   a resource DLL's pictures as DIR/<id>.png
// Answers the exit status when the arguments name one of them, nothing otherwise.
std::optional<int> runCommandLineTool(int argc, char** argv);
