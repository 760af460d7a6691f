#pragma once

#include <QByteArray>
#include <QString>

// Writes the move report beside its move file, as reportFileName(moveFileName), through the
// safe writer. Answers false with *error (when given) set to a one-line reason when the
// move file's name is too short to name a report, when the report would replace the move
// file itself (a move file named "*.txt"), or when the report could not be written; the
// previous report is then untouched.
bool saveMoveReport(const QString& moveFileName, const QByteArray& report,
                    QString* error = nullptr);
