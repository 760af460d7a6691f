#include "app/play/editsdock.h"

#include "game/editstack.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QUndoStack>
#include <QUndoView>

namespace {

// The steps as rows below the turn as it began; choosing a row asks the edit stack to go
// there, which keeps its roll line, rather than moving the stack behind its back.
class EditsModel : public QAbstractListModel {
public:
    EditsModel(EditStack& edits, QObject* parent) : QAbstractListModel(parent), edits_(edits) {
        connect(&edits_, &EditStack::changed, this, [this] {
            beginResetModel();
            endResetModel();
        });
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : edits_.stack().count() + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        if (index.row() == 0)
            return EditsDock::tr("The turn as it began");
        return edits_.stack().text(index.row() - 1);
    }

private:
    EditStack& edits_;
};

} // namespace

EditsDock::EditsDock(EditStack& edits, QWidget* parent)
    : LazyDock(tr("The turn's edits"), parent), edits_(edits) {
    setObjectName(QStringLiteral("dockTurnEdits"));
}

QUndoView& EditsDock::view() {
    ensureBody();
    return *view_;
}

void EditsDock::buildBody() {
    view_ = new QUndoView(this);
    view_->setObjectName(QStringLiteral("lstTurnEdits"));
    view_->setAccessibleName(tr("The turn's edits"));
    view_->setModel(new EditsModel(edits_, view_));
    setWidget(view_);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != edits_.stack().index())
                    edits_.goTo(current.row());
            });
    // A click below a die roll selects its row after the stack went back up to the roll;
    // once the click is done, the row shown is the stack's again.
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QMetaObject::invokeMethod(this, &EditsDock::showStackIndex, Qt::QueuedConnection);
    });
    connect(&edits_, &EditStack::changed, this, &EditsDock::showStackIndex);
    showStackIndex();
}

void EditsDock::showStackIndex() {
    QItemSelectionModel& selection = *view_->selectionModel();
    const QModelIndex present = view_->model()->index(edits_.stack().index(), 0);
    if (selection.currentIndex() != present ||
        selection.selectedIndexes() != QModelIndexList{present})
        selection.setCurrentIndex(present, QItemSelectionModel::ClearAndSelect);
}
