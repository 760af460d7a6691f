#include "app/window/filedrops.h"

#include "app/files/filesfeature.h"
#include "app/shell/prompts.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

FileDrops::FileDrops(QWidget& window, std::initializer_list<QWidget*> textBoxes,
                     FilesFeature& files, Prompts& prompts)
    : QObject(&window), window_(window), files_(files), prompts_(prompts) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* box : textBoxes)
        box->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const bool onWindow = watched == &window_;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // On the window everything is let in, so that a drop of the wrong thing can say why
        // it is refused; on a box only files, the rest is text for it. A copy only: the file
        // manager must never take a dropped file away.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (onWindow ? event->type() == QEvent::DragEnter : drag->mimeData()->hasUrls()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* dropped = static_cast<QDropEvent*>(event);
        if (onWindow || dropped->mimeData()->hasUrls()) {
            drop(*dropped);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FileDrops::drop(QDropEvent& event) {
    QString refusal;
    const QString fileName = FilesFeature::droppedMoveFile(*event.mimeData(), &refusal);
    if (fileName.isEmpty()) {
        event.ignore();
    } else {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    }
    // After the drop is over: questions and reading must not hold up the program the file
    // came from.
    QTimer::singleShot(0, this, [this, fileName, refusal] { open(fileName, refusal); });
}

void FileDrops::open(const QString& fileName, const QString& refusal) {
    if (fileName.isEmpty()) {
        prompts_.showWarning(refusal);
        return;
    }
    if (files_.maybeSaveChanges())
        files_.OpenMove(fileName);
}
