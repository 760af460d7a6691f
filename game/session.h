#pragma once

#include "dice/diceverdict.h"
#include "history/historyentry.h"
#include "turns/turnorder.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Game;
class GameHistory;
class HistoryWriter;
class PictureModule;
class TurnDice;

// What New game asks: the side that moves first, who plays which side, and the name the
// game's files get.
struct NewGameSetup {
    Side movesFirst = Side::First;
    PlayerNames players;
    QString gameName;
};

// One game as the player has it open, as the document of an editor is: the Game, the move file
// it came from or went to last, the turn's edits on an undo stack (the one way the position
// is edited), whether the turn has changes not yet saved, the game's history with the kept
// position shown read-only, if any, and the note that goes out with the next save; and the
// Open, Save and New game sequences.
//
// It asks nothing and shows nothing: the window asks the questions (End of turn?, which
// file) and tells the outcomes; it follows the session through the signals. Every change
// of the whole position (Open, New game, a history step, back to the present) ends in one
// positionReplaced(), once the session is consistent again.
class Session : public QObject {
    Q_OBJECT
public:
    // The Game is built from the two picture modules (korva_1, korva_2; see Game). The
    // history keeps its copies under `historyFolder`; empty keeps none.
    Session(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
            const QString& historyFolder, QObject* parent = nullptr);
    // Waits for the copies still being written, then tears the game down.
    ~Session() override;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }

    // The move file the game came from or went to last; empty for a new game and at start.
    const QString& fileName() const { return fileName_; }
    // New game made the position, and no save has named it yet.
    bool isNewGame() const { return newGame_; }
    // The turn in hand is one the player most likely ended already: their own file, opened
    // again, with no counter away from where its turn began (as at every end of turn). An
    // end of turn now would hand the move back to them.
    bool turnEndedByPlayer() const { return turnEndedByPlayer_; }
    // The file's name without its folder and without its last four characters (".krv").
    static QString fileTitle(const QString& fileName);

    // The turn has changes not yet saved: the undo stack is away from where the last save,
    // Open or New game left it, or something was changed that no undo takes back (a roll, a
    // recovered combat, the note, a banner, the players and turn).
    bool isModified() const { return modified_; }

    // The turn's edits, one step each, in the order made: what Undo takes back and Redo puts
    // back, and what the list of this turn's edits shows. A die roll is a step of its own
    // that no undo crosses. Nothing of it is written to the move file.
    QUndoStack& undoStack() { return *undo_; }
    const QUndoStack& undoStack() const { return *undo_; }
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

    // The edits of the position, each one step of the undo stack; each answers false and
    // changes nothing where there is nothing to do (an empty hex, a stack of one to turn).
    // While the past shows nothing changes.
    bool moveTop(int from, int to);
    bool moveAll(int from, int to);
    bool rotateStack(int hex);
    bool flip(int hex);
    bool tag(int hex);
    // The top counter of the hex goes back to the hex it started the turn in.
    bool returnToStart(int hex);
    // A banner box's text (Windows-1252): a change no undo takes back (the box has its own).
    void setBanner(std::size_t which, std::string text);

    struct OpenOutcome {
        bool opened = false;
        // Why the file was refused; the game is then as it was.
        QString error;
        // The file holds only the placeholder position (no game yet).
        bool placeholders = false;
        // Korva's block had to be ignored (the file opened all the same).
        QString warning;
        // Korva's block holds data this Korva does not know: what to tell the player.
        QString unknownData;
        // Reasons to look twice before answering it (the history's and the game's view):
        // the player saved this very file; the player's newest saved file answers it; its
        // turn comes before the one that file says; it is of another game than the one
        // whose unsaved changes it replaced.
        bool ownFile = false;
        bool answered = false;
        bool olderThanAnswered = false;
        bool otherGameUnsaved = false;
        // The file claims the id of another of the player's games, whose turns it does not
        // fit: it was kept apart, and nothing of that game changed.
        bool claimsOtherGame = false;
        // The verdict on the opponent's rolls when it is not "verified": the player is told.
        std::optional<DiceVerdict> diceVerdict;
        // Rolls made earlier against this file (before a crash or a restart, or in an earlier
        // answer to it) that came back as combats of the turn: a roll once made stands.
        int recoveredRolls = 0;
    };
    // Reads a move file whole and shows its position; a refused file changes nothing.
    OpenOutcome open(const QString& fileName);

    struct SaveOutcome {
        bool saved = false;
        // Why the move file was not saved; the previous file and the turn are as they were.
        QString error;
        // The move file was saved, but its report may not have been: why.
        bool reportSaved = false;
        QString reportError;
    };
    // Writes the move file, then its report; with endOfTurn the turn ends once the file is
    // safely on the disk.
    SaveOutcome save(const QString& fileName, bool endOfTurn);

    // Every counter in the holding area, no combats, the default banners, nothing unsaved;
    // turn 1 with the setup's first side to move.
    void newGame(const NewGameSetup& setup = {});

    // Which turn, whose move, who plays which side: the game's, or the past's while it shows.
    const TurnOrder& turnOrder() const;
    // The player corrects the names or sets the turn; a change goes out with the next save.
    void setTurnOrder(const TurnOrder& order);
    // The name the game's files get ("salerno"): New game's, or the opened file's without the
    // turn and side Korva put in it. A save under another name leaves it as it is. Setting
    // another one renames the game as its files' blocks name it too.
    const QString& gameName() const { return gameName_; }
    void setGameName(const QString& name);
    // The name Save proposes for the file of this save, folder not included.
    QString proposedSaveName(bool endOfTurn) const;

    // The game's history; null when none is kept.
    const GameHistory* history() const;
    // Returns once the copies asked for are kept (their warnings may still be on their way).
    void waitForHistory();

    enum class HistoryStep { First, Previous, Next, Last };
    enum class StepOutcome {
        Shown,         // a kept position shows, read-only
        BackToPresent, // Next after the newest copy
        Unchanged,     // already there
        NothingKept,   // the history holds nothing of this game
        Refused,       // the copy could not be read: stepError() says why
    };
    // An earlier position of the game from its history, shown read-only with its moves.
    StepOutcome stepHistory(HistoryStep step);
    // The game's kept copies, oldest first: the positions the steps go through.
    std::vector<HistoryEntry> keptEntries();
    // The kept copy at `index` of keptEntries(), shown read-only like a step's.
    StepOutcome showKept(std::size_t index);
    QString stepError() const { return stepError_; }
    // The game as it stands again; nothing when it shows already.
    void backToPresent();
    bool showsPast() const;
    // While the past shows: the copy shown, its place among the game's copies (0-based) and
    // their number.
    const HistoryEntry& shownEntry() const { return pastEntries_.at(pastIndex_); }
    std::size_t shownIndex() const { return pastIndex_; }
    std::size_t keptCount() const { return pastEntries_.size(); }

    // The dice of the turn and the verdict on the opened file's rolls.
    const TurnDice& dice() const { return *dice_; }
    // A combat's die at the hex, with the comment written before the roll (Windows-1252;
    // TurnDice::roll); a roll the ledger could not keep is told through historyWarning. The
    // roll is a step of the undo stack that no undo crosses: what was done before it stays.
    int rollDie(int hex, int offset, const std::string& comment);
    // The combat of the roll just made at the hex, with its comment as it was closed.
    void addCombat(int hex, int die, const std::string& comment);

    // The note that goes out with the next save. Setting another one is a change.
    const QString& note() const;
    void setNote(const QString& note);

    // What replaced the whole position.
    enum class Change { Opened, NewGame, PastShown, Present };

signals:
    // Open, New game, a history step or back to the present: everything may differ.
    void positionReplaced(Session::Change change);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);
    // What Undo and Redo can do, or their texts, changed.
    void undoChanged();
    // A walk back through the edits stopped at a die roll.
    void rollStands();
    // A move file was saved (the report may not have been).
    void saved(const QString& fileName);
    // A copy the history could not keep, told when the writing ended.
    void historyWarning(const QString& warning);
    // The turn, the side to move or the players changed (a save's end of turn, an edit).
    void turnChanged();

private:
    // Pushes an edit onto the undo stack (which applies it), unless the past shows.
    bool edit(class EditCommand* command);
    // Forgets every edit: a new turn, a new position.
    void startAfresh();
    // Something no undo takes back was changed.
    void changedForGood();
    void updateModified();
    void setFileName(const QString& fileName);
    void keepInHistory(const QByteArray& bytes, bool saved,
                       std::optional<Side> playerSide = std::nullopt);
    // The side a save shows the player plays, for the history; nullopt when it shows none.
    std::optional<Side> sideOfSave(bool endOfTurn) const;
    // Where the present stands among the game's copies (oldest first): the newest copy's
    // place when that copy is the present, else after it.
    std::size_t presentPlaceAmong(const std::vector<HistoryEntry>& entries) const;
    // Takes the game's copies for the steps through the past, the present placed among them.
    void takeKeptEntries();
    // Shows pastEntries_[index], read-only.
    StepOutcome showPastEntry(std::size_t index);

    std::unique_ptr<Game> game_;
    std::unique_ptr<HistoryWriter> historyWriter_;
    std::unique_ptr<TurnDice> dice_;
    QString fileName_;
    // The file named above came from an Open (the opponent's), not from a save.
    bool fileOpened_ = false;
    // The turn being played began from a file the player saved: ending it tells nothing of
    // the side they play.
    bool turnFromOwnFile_ = false;
    bool newGame_ = false;
    bool turnEndedByPlayer_ = false;
    QString gameName_ = QStringLiteral("korva");
    bool modified_ = false;
    // Changed since the last save beyond what the undo stack can take back.
    bool changedForGood_ = false;
    std::unique_ptr<QUndoStack> undo_;
    // The index below which the stack may not go: the step after the last die roll.
    int rollLine_ = 0;
    bool holdingTheLine_ = false;
    // While the past shows: the game's copies, oldest first, the one shown, and the
    // present's place among them.
    std::vector<HistoryEntry> pastEntries_;
    std::size_t pastIndex_ = 0;
    std::size_t presentIndex_ = 0;
    // The SHA-256 of the file last given to the history, to know the present among its
    // copies.
    QByteArray keptHash_;
    QString stepError_;
};
