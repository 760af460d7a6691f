#include "app/export/dialogprogress.h"

namespace {

constexpr int kSteps = 1000;

} // namespace

DialogProgress::DialogProgress(const QString& label, QWidget* parent)
    : dialog_(label, QProgressDialog::tr("Cancel"), 0, kSteps, parent) {
    dialog_.setObjectName(QStringLiteral("bExportProgress"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(400);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

bool DialogProgress::advance(qint64 done, qint64 total) {
    // A window-modal bar handles the events waiting, Cancel's click among them.
    dialog_.setValue(total > 0 ? int(done * kSteps / total) : 0);
    return !dialog_.wasCanceled();
}
