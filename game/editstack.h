#pragma once

#include <QObject>
#include <QUndoStack>

class EditCommand;
class Game;

// The turn's edits, one step each, in the order made: what Undo takes back and Redo puts
// back, and what the list of this turn's edits shows. A die roll is a step no undo crosses;
// the steps before it are frozen with it. Away from its clean state the turn has changes
// not yet saved; a change made before the stack was cleared (a history step over unsaved
// edits) leaves it with no clean state at all until the next save.
class EditStack : public QObject {
    Q_OBJECT
public:
    // Nothing is undone or redone while `game` shows the past.
    explicit EditStack(const Game& game, QObject* parent = nullptr);
    ~EditStack() override;

    const QUndoStack& stack() const { return undo_; }
    bool isModified() const { return !undo_.isClean(); }
    // There are edits to walk back through (Undo may still stop at a roll), or one to put
    // back, in the present.
    bool canUndo() const;
    bool canRedo() const;
    // The last step is a die roll, or lies below one: Undo stops here.
    bool atRollLine() const;
    enum class UndoOutcome { Undone, Nothing, RollStands };
    // Takes back the last edit; RollStands when a die roll stands in the way.
    UndoOutcome undo();
    bool redo();
    // Walks to the state after `index` steps (0: the turn as it began), never below a roll.
    void goTo(int index);
    // Some step, undone or not, moved, turned, flipped or tagged a counter.
    bool positionEdited() const;

signals:
    // What Undo and Redo can do, or their texts, changed.
    void changed();
    // A walk back through the edits stopped at a die roll.
    void rollStands();
    void modifiedChanged(bool modified);

private:
    friend class Document;
    friend class Session;
    friend class ServerDice; // a server's roll is a line no undo crosses, as a local one
    // Applies the edit; nothing while the past shows.
    bool push(EditCommand* command);
    // Freezes every step so far and pushes the roll, the new line no undo crosses.
    void pushFrozen(EditCommand* command);
    // The step on top, for a roll's combat to join it.
    EditCommand* top();
    // Forgets every edit; with `unsaved` the turn still has changes no save has written.
    void clear(bool unsaved = false);
    void setClean() { undo_.setClean(); }

    const Game& game_;
    QUndoStack undo_;
    // The index below which the stack may not go: the step after the last die roll.
    int rollLine_ = 0;
    bool holdingTheLine_ = false;
};
