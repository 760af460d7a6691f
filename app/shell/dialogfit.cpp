#include "app/shell/dialogfit.h"

#include "app/shell/korvasettings.h"

#include <QByteArray>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

// One of Korva's dialogs the player can resize: laid out, not of fixed size. Qt's own (a
// message box sized to its message) size themselves each time.
bool resizable(const QDialog& dialog) {
    const bool qts = QByteArray(dialog.metaObject()->className()).startsWith('Q');
    return !qts && dialog.layout() != nullptr && dialog.minimumSize() != dialog.maximumSize();
}

QString keyOf(const QDialog& dialog) {
    return QString::fromLatin1(dialog.metaObject()->className());
}

} // namespace

DialogFit::DialogFit(KorvaSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

QRect DialogFit::fitted(const QRect& frame, const QRect& screen) {
    QRect fit(frame.topLeft(), frame.size().boundedTo(screen.size()));
    fit.moveLeft(std::clamp(fit.left(), screen.left(), screen.right() + 1 - fit.width()));
    fit.moveTop(std::clamp(fit.top(), screen.top(), screen.bottom() + 1 - fit.height()));
    return fit;
}

bool DialogFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A dialog the player moves partly off the screen stays where it was put.
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::Resize)
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow())
        return false;
    if (type == QEvent::Hide) {
        if (resizable(*dialog))
            settings_.setDialogSize(keyOf(*dialog), dialog->size());
    } else if (type == QEvent::Show) {
        if (const QSize kept = settings_.dialogSize(keyOf(*dialog));
            kept.isValid() && resizable(*dialog))
            dialog->resize(kept.expandedTo(dialog->minimumSizeHint()));
        fit(*dialog);
    } else if (dialog->isVisible()) {
        fit(*dialog); // grown by its own content
    }
    return false;
}

void DialogFit::fit(QDialog& dialog) {
    if (fitting_)
        return;
    QScreen* screen = dialog.screen();
    if (!screen)
        return;
    fitting_ = true;
    // Before the first showing the frame is not known yet: a usual title bar and border.
    QMargins frame = dialog.windowHandle() ? dialog.windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = QMargins(4, 30, 4, 4);
    const QRect outer = dialog.geometry().marginsAdded(frame);
    const QRect inside = fitted(outer, screen->availableGeometry()).marginsRemoved(frame);
    if (inside.size() != dialog.size())
        dialog.resize(inside.size());
    if (inside.topLeft() != dialog.geometry().topLeft())
        dialog.move(dialog.pos() + (inside.topLeft() - dialog.geometry().topLeft()));
    fitting_ = false;
}
