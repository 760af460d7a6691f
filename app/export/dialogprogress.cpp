#include "app/export/dialogprogress.h"

#include <QCoreApplication>

namespace {

constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 400;

} // namespace

DialogProgress::DialogProgress(const QString& label, QWidget* parent)
    : dialog_(label, QProgressDialog::tr("Cancel"), 0, kSteps, parent) {
    dialog_.setObjectName(QStringLiteral("bExportProgress"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    started_.start();
}

bool DialogProgress::advance(qint64 done, qint64 total) {
    if (dialog_.wasCanceled())
        return false;
    const int value = total > 0 ? int(done * kSteps / total) : 0;
    // The bar's own timer cannot show it while the export holds the thread: it shows when
    // due, asked or not, and from then on its events are handled at every step, the same
    // value or not, so that Cancel's click counts while a large frame is drawn or waited for.
    if (!dialog_.isVisible() && started_.elapsed() >= kShowAfterMs)
        QMetaObject::invokeMethod(&dialog_, "forceShow"); // a protected slot
    if (value != dialog_.value())
        dialog_.setValue(value); // handles the events once shown
    else if (dialog_.isVisible())
        QCoreApplication::processEvents();
    return !dialog_.wasCanceled();
}
