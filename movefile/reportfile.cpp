#include "movefile/reportfile.h"

#include "base/safesave.h"
#include "counters/movereport.h"

#include <QFileInfo>

bool saveMoveReport(const QString& moveFileName, const QByteArray& report, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString reportName = reportFileName(moveFileName);
    if (reportName.isEmpty())
        return fail(QStringLiteral("the move file's name is too short to name a report"));
    if (QFileInfo(reportName) == QFileInfo(moveFileName))
        return fail(QStringLiteral("it would replace the move file"));
    return saveFileSafely(reportName, report, error);
}
