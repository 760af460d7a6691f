#pragma once

#include "movefile/movefilecontents.h"

#include <QByteArrayView>
#include <QString>

class CounterMgr;
class TaggerMgr;

// Reads and checks a whole move file. Throws MoveFileError for a wrong section mark, a
// file that ends early, a count or text length that runs past the end or beyond its
// box, a negative tag count, a hex outside the grid, losses outside 0..steps, a marker
// outside 0..2 and a die value outside 1..6. The stored counter count is not checked
// and bytes after the banner texts are ignored; bannerEnd, when given, is set to where
// they begin (the end of the three sections).
MoveFileContents parseMoveFile(QByteArrayView bytes, qsizetype* bannerEnd = nullptr);

// Reads the file from disk and parses it; refuses a missing file, a folder, anything
// but an ordinary file, an unreadable file and one larger than any move file could be.
MoveFileContents readMoveFile(const QString& path);
// The bytes of a move file on disk, refused as readMoveFile refuses them, unparsed.
QByteArray readMoveFileBytes(const QString& path);
// Only the counters section at the file's head, refused and checked as readMoveFile refuses
// and checks it: where the counters are is all some readers need, and the rest of a file may
// be 16 MB of combats.
std::vector<CounterRecord> readMoveFileCounters(const QString& path);

// Replaces the game's counters and tags with the file's in one step and answers the
// banner texts. The counters are recreated, so the caller must rebuild and redraw the
// board next. Throws ResourceError, before changing anything, when a tag picture is
// missing.
std::array<std::string, 3> applyMoveFile(const MoveFileContents& contents, CounterMgr& counters,
                                         TaggerMgr& tags);
