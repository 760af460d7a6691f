#include "app/window/picturewarning.h"

#include "app/shell/prompts.h"

#include <QTimer>

PictureWarning::PictureWarning(Prompts& prompts, QObject* parent)
    : QObject(parent), prompts_(prompts) {}

void PictureWarning::note(const QString& text) {
    // Pictures may be drawn on other threads; the notes are the window's.
    QMetaObject::invokeMethod(this, [this, text] { noteHere(text); });
}

void PictureWarning::noteHere(const QString& text) {
    notes_ << text;
    if (!due_) {
        due_ = true;
        QTimer::singleShot(0, this, &PictureWarning::show);
    }
}

void PictureWarning::show() {
    due_ = false;
    if (notes_.isEmpty())
        return;
    constexpr qsizetype kShown = 5;
    QStringList lines = notes_.mid(0, kShown);
    if (notes_.size() > kShown)
        lines << tr("and %1 more").arg(notes_.size() - kShown);
    notes_.clear();
    prompts_.showWarning(tr("Some pictures could not be read; others are shown in their "
                            "place.\n") +
                         lines.join(QLatin1Char('\n')));
}
