#pragma once

#include <QString>
#include <QUndoCommand>

class Game;

// The edits of a turn, one undo step each: a command holds what it needs to go both ways,
// redo() applies it and undo() restores the position exactly. Only the session makes them.
class EditCommand : public QUndoCommand {
public:
    // What came before a die roll stays: a frozen command no longer changes anything, so
    // that no way of walking the stack (Undo, or a click in the list of edits) takes back what
    // the dice were rolled on.
    void freeze() { frozen_ = true; }
    bool frozen() const { return frozen_; }

    void undo() final;
    void redo() final;

protected:
    EditCommand(Game& game, const QString& text) : QUndoCommand(text), game_(game) {}
    virtual void apply() = 0;
    virtual void revert() = 0;

    Game& game_;

private:
    bool frozen_ = false;
};

namespace editcommands {

// "K12", "Off board": where a counter stands, as the player reads it.
QString placeOf(int hex);

// The top counter of `from` onto `to`; a Return to start hex is one with its own words.
EditCommand* moveTop(Game& game, int from, int to, bool returnToStart = false);
// The whole stack of `from` onto `to`, arriving reversed.
EditCommand* moveAll(Game& game, int from, int to);
// The top counter of the hex to the bottom of its stack.
EditCommand* rotateStack(Game& game, int hex);
// The top counter's next loss picture (flip), or its next marker (tag).
EditCommand* flip(Game& game, int hex);
EditCommand* tag(Game& game, int hex);
// A die roll: the line no undo crosses. It changes nothing itself; its combat is added once
// the dialog closes.
EditCommand* roll(Game& game, int hex, unsigned number, int die);

} // namespace editcommands
