#pragma once

#include "counters/zekcounterlist.h"

#include <QByteArray>
#include <QString>

#include <string>

// The plain-text report of a turn: a header, then one line per counter that started or
// stands on the board, in list order, with a separator after the 101st counter. Lines
// end in CR LF; texts are Windows-1252 bytes.
QByteArray moveReport(const ZeKCounterList& counters);

// The report beside a move file: its name less the last three characters, plus "txt".
// Empty when the name has three characters or fewer.
QString reportFileName(const QString& moveFileName);

// The report's columns and texts, for other lists laid out like it.
namespace movereport {

inline constexpr int kUnitWidth = 22;
inline constexpr int kLabelWidth = 12;
inline constexpr int kToAndStateWidth = 22;
inline constexpr const char* kHeader = "Unit                  From        To";

// The hex label without "Hex : " for a board hex, "Off board" otherwise.
std::string shortLabel(int hexIndex);
// Appends spaces until the text is at least width long; never cuts.
std::string padded(std::string text, int width);
// "inverted" for the second marker, otherwise steps "/" losses.
std::string stateText(int steps, int losses, int marker);

} // namespace movereport
