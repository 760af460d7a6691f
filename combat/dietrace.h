#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string>

class DieRandom;

// The die-roll trace: a text file that only grows, one entry per call, each entry a CR LF
// line break followed by its text. A file that cannot be opened is passed over silently.

// The trace file; "trace.txt" in the current folder unless set otherwise.
QString tracePath();
void setTracePath(const QString& path);
// Why no trace can be written although the folder may allow it: the trace path names
// something other than a regular file (a named pipe, a device, a folder), which the trace
// never writes to. Empty when it is a regular file or does not exist yet.
QString traceFileRefusal();

void TraceText(const std::string& text);
// "text : n" in decimal.
void TraceCount(const std::string& text, std::int32_t n);
// "text : value" printed like printf's %g with at most `precision` significant digits.
void TraceNumber(const std::string& text, float value, int precision);

// What a run of rolls produced: the number of rolls and how often each face came up.
struct DieRollCounts {
    std::int32_t rolls = 0;
    std::array<std::int32_t, 6> faces{};

    // The mean face, computed in single precision as the trace prints it.
    float average() const;
};

// Rolls `count` more six-sided dice on the generator into counts, each with offset
// (rolls made so far) mod 6.
void rollForTrace(DieRandom& generator, DieRollCounts& counts, int count);

// 60 and then 60,000 rolls on the generator, appended as 20 entries.
void TraceDieRolls(DieRandom& generator);

// The number as %g with the given significant digits ("3.5", "3.49833", "1e+10").
std::string formatSignificant(float value, int precision);
