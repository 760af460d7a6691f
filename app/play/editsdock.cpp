#include "app/play/editsdock.h"

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
}
