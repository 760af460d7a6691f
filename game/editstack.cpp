#include "game/editstack.h"

#include "game/editcommands.h"
#include "game/game.h"

#include <QSignalBlocker>

#include <memory>

EditStack::EditStack(const Game& game, QObject* parent) : QObject(parent), game_(game) {
    connect(&undo_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&undo_, &QUndoStack::indexChanged, this, [this](int index) {
        // A walk that went below the last roll (a click in the list of edits) comes back to
        // it; the frozen steps it passed changed nothing.
        if (index < rollLine_ && !holdingTheLine_) {
            holdingTheLine_ = true;
            undo_.setIndex(rollLine_);
            holdingTheLine_ = false;
            emit rollStands();
        }
        emit changed();
    });
    connect(&undo_, &QUndoStack::undoTextChanged, this, &EditStack::changed);
    connect(&undo_, &QUndoStack::redoTextChanged, this, &EditStack::changed);
}

EditStack::~EditStack() {
    undo_.disconnect(this);
}

bool EditStack::canUndo() const {
    // At a roll the command stays offered, so that pressing it says why nothing happens.
    return !game_.showsPast() && undo_.index() > 0;
}

bool EditStack::canRedo() const {
    return !game_.showsPast() && undo_.canRedo();
}

bool EditStack::atRollLine() const {
    return undo_.index() > 0 && undo_.index() <= rollLine_;
}

EditStack::UndoOutcome EditStack::undo() {
    if (game_.showsPast() || undo_.index() == 0)
        return UndoOutcome::Nothing;
    if (undo_.index() <= rollLine_) {
        emit rollStands();
        return UndoOutcome::RollStands;
    }
    undo_.undo();
    return UndoOutcome::Undone;
}

bool EditStack::redo() {
    if (!canRedo())
        return false;
    undo_.redo();
    return true;
}

void EditStack::goTo(int index) {
    if (!game_.showsPast())
        undo_.setIndex(index);
}

bool EditStack::positionEdited() const {
    for (int i = 0; i < undo_.count(); ++i)
        if (static_cast<const EditCommand*>(undo_.command(i))->editsPosition())
            return true;
    return false;
}

bool EditStack::push(EditCommand* command) {
    std::unique_ptr<EditCommand> owned(command);
    if (game_.showsPast())
        return false;
    undo_.push(owned.release()); // applies it
    return true;
}

void EditStack::pushFrozen(EditCommand* command) {
    for (int i = 0; i < undo_.count(); ++i)
        static_cast<EditCommand*>(const_cast<QUndoCommand*>(undo_.command(i)))->freeze();
    undo_.push(command);
    rollLine_ = undo_.index();
}

EditCommand* EditStack::top() {
    const int index = undo_.index();
    return index > 0
               ? static_cast<EditCommand*>(const_cast<QUndoCommand*>(undo_.command(index - 1)))
               : nullptr;
}

void EditStack::clear(bool unsaved) {
    const bool wasModified = isModified();
    {
        // One answer for the whole change, not a passing "saved" between clear and reset.
        const QSignalBlocker quiet(undo_);
        rollLine_ = 0;
        undo_.clear();
        if (unsaved)
            undo_.resetClean();
    }
    if (wasModified != isModified())
        emit modifiedChanged(isModified());
    emit changed();
}
