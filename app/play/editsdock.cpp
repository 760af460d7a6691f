#include "app/play/editsdock.h"

#include <QItemSelectionModel>
#include <QUndoStack>
#include <QUndoView>

EditsDock::EditsDock(QUndoStack& edits, QWidget* parent)
    : LazyDock(tr("The turn's edits"), parent), edits_(edits) {
    setObjectName(QStringLiteral("dockTurnEdits"));
}

QUndoView& EditsDock::view() {
    ensureBody();
    return *view_;
}

void EditsDock::buildBody() {
    view_ = new QUndoView(&edits_, this);
    view_->setObjectName(QStringLiteral("lstTurnEdits"));
    view_->setAccessibleName(tr("The turn's edits"));
    view_->setEmptyLabel(tr("The turn as it began"));
    setWidget(view_);
    // A click below a die roll selects its row after the stack went back up to the roll;
    // once the click is done, the row shown is the stack's again.
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QMetaObject::invokeMethod(this, &EditsDock::showStackIndex, Qt::QueuedConnection);
    });
}

void EditsDock::showStackIndex() {
    QItemSelectionModel& selection = *view_->selectionModel();
    const QModelIndex present = view_->model()->index(edits_.index(), 0);
    if (selection.currentIndex() != present ||
        selection.selectedIndexes() != QModelIndexList{present})
        selection.setCurrentIndex(present, QItemSelectionModel::ClearAndSelect);
}
