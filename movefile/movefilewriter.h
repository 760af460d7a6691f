#pragma once

#include "movefile/movefilecontents.h"

#include <QByteArray>

class CounterMgr;
class TaggerMgr;

// Both encoders run the one writer of each section, in the file's order: the counters
// section (CounterMgr), the tags section (TaggerMgr, tagsection.h), the banner section
// (bannersection.h). Anything Korva adds goes after them, encoded apart and appended.

// The move file of the game as it stands: the counters section (with endOfTurn every
// record's start hex is its present hex, the counters themselves unchanged), the own
// combats, then the three banner texts. Throws MoveFileError for a banner text or a
// comment longer than its box, which no reader would take back.
QByteArray encodeMoveFile(const CounterMgr& counters, const TaggerMgr& tags,
                          const std::array<std::string, 3>& banners, bool endOfTurn);

// The move file that holds exactly these contents (the stored counter count is the
// number of records).
QByteArray encodeMoveFile(const MoveFileContents& contents);
