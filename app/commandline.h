#pragma once

#include <QString>

#include <optional>

// What the command line asks of the program.
struct LaunchRequest {
    // Set when the program is done: a headless use ran, --help or --version answered, or
    // the arguments were refused (one line on standard error).
    std::optional<int> exitStatus;
    // Otherwise the window starts, opening this move file when it is not empty.
    QString moveFile;
};

// The program's uses:
//   korva [FILE.krv]                   the window, opening FILE at once
//   korva --report FILE.krv            the move report a save of that position would write
//   korva --render FILE.krv OUT.png [--moves [--since EARLIER.krv]] [--zoom PERCENT]
//                                      the map with that file's counters and tags drawn, at
//                                      that zoom (25 to 400; 100 unless given), and with
//                                      --moves the turn's moves as arrows and outlines
//   korva --moves FILE.krv [--since EARLIER.krv]
//                                      the turn's changes as text, in the report's columns;
//                                      measured from EARLIER when given, else as an Open
//                                      in the window measures them
//   korva --verify FILE.krv [MYFILE.krv]
//                                      the verdict on the opponent's rolls in FILE, checked
//                                      against MYFILE (the file the player sent) or the
//                                      history's copy of it; exit 0 when all are verified,
//                                      1 when not, 2 for a refused file
//   korva --info FILE.krv              what the file says of its game: id, turn, side to
//                                      move, players, note, moves, combats, Korva's block
//   korva --games                      every game of the history: whose move, the last file,
//                                      the opponent's dice (gameslisting.h)
//   korva --export-turn, --animate     the turn as a web page, files as an animation
//                                      (exportcommands.h)
//   korva --new-game OUT.krv           the starting file of a new game (turn 1, the Allies
//                                      to move)
//   korva --server URL --register NAME | --create-game FILE.krv | --join CODE
//                                      play by server: register (the token on the last
//                                      line), make a server game of FILE's game (the invite
//                                      code on the last line), join one (servercommands.h)
//   korva --extract-pictures DLL DIR   a resource DLL's pictures as DIR/<id>.png
//   korva --help | --version
// Qt's own window options (-platform, -style, ...) pass through to the window.
LaunchRequest runCommandLine(int argc, char** argv);
