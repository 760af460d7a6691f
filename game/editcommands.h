#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>

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

    // Moves, turns, flips or tags a counter (not a text of the game's).
    bool editsPosition() const { return editsPosition_; }
    // The hex of the die roll this step is; -1 for any other step.
    virtual int rolledHex() const { return -1; }

    void undo() final;
    void redo() final;

protected:
    EditCommand(Game& game, const QString& text, bool editsPosition = true)
        : QUndoCommand(text), game_(game), editsPosition_(editsPosition) {}
    virtual void apply() = 0;
    virtual void revert() = 0;

    Game& game_;

private:
    bool editsPosition_;
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
// the dialog closes and joins this step, unless the combat came with the roll (a recovered
// one, or a combat recorded without its roll).
EditCommand* roll(Game& game, int hex, unsigned number, int die, bool combatFollows = true);
// A change of the game's texts (a banner, the note, the players and turn, the name):
// `apply` makes it, `revert` takes it back. Steps with the same `mergeId` (not -1) that
// follow each other become one, as typing into one box does.
EditCommand* textChange(Game& game, const QString& text, std::function<void()> apply,
                        std::function<void()> revert, int mergeId = -1);

} // namespace editcommands
