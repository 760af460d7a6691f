#pragma once

#include "zekcounterlist.h"

#include <QByteArray>
#include <QString>

// The plain-text report of a turn: a header, then one line per counter that started or
// stands on the board, in list order, with a separator after the 101st counter. Lines
// end in CR LF; texts are Windows-1252 bytes.
QByteArray moveReport(const ZeKCounterList& counters);

// The report beside a move file: its name less the last three characters, plus "txt".
// Empty when the name has three characters or fewer.
QString reportFileName(const QString& moveFileName);

// Replaces the file with the bytes through a temporary file beside it, so that a failure
// leaves any earlier file whole. Answers whether the file was written.
bool writeTextFile(const QString& fileName, const QByteArray& bytes);
