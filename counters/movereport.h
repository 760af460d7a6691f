#pragma once

#include "counters/zekcounterlist.h"

#include <QByteArray>
#include <QString>

// The plain-text report of a turn: a header, then one line per counter that started or
// stands on the board, in list order, with a separator after the 101st counter. Lines
// end in CR LF; texts are Windows-1252 bytes.
QByteArray moveReport(const ZeKCounterList& counters);

// The report beside a move file: its name less the last three characters, plus "txt".
// Empty when the name has three characters or fewer.
QString reportFileName(const QString& moveFileName);
