#pragma once

#include "app/export/exportprogress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

// An export's progress in a bar over the window, with Cancel; it shows only when the export
// takes a while, and keeps the window painted meanwhile. Asked often, with the same value or
// not, it keeps the window answering.
class DialogProgress final : public ExportProgress {
public:
    DialogProgress(const QString& label, QWidget* parent);

    bool advance(qint64 done, qint64 total) override;

private:
    QProgressDialog dialog_;
    QElapsedTimer started_;
};
