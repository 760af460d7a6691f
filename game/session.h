#pragma once

#include "history/historyentry.h"
#include "movefile/turnorder.h"

#include <QObject>
#include <QString>

#include <memory>
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

// One game as the player has it open: the Game, the move file it came from or went to last,
// whether the turn has changes not yet saved, the undo record of the last single-counter
// move, the game's history with the kept position shown read-only, if any, and the note
// that goes out with the next save; and the Open, Save and New game sequences.
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
    // The file's name without its folder and without its last four characters (".krv").
    static QString fileTitle(const QString& fileName);

    // The turn has changes not yet saved.
    bool isModified() const { return modified_; }
    void markChanged();

    // The undo record: the hex the last single-counter move left (a drag's press sets it
    // at once) and the hex it went to; -1 for none. It holds one move at most.
    int dragFromHex() const { return dragFromHex_; }
    int undoToHex() const { return undoToHex_; }
    // Undo last move is offered: a move was recorded since the record was last cleared, and
    // the present shows (nothing changes the past).
    bool canUndo() const;
    // A press on the map: the drag starts from `hex` (Undo stays as it was), or, with no
    // counter there (-1), the last move can no longer be undone.
    void setDragFromHex(int hex);
    // A single counter went from one hex to the other: a drop, or Return to start hex.
    void recordMove(int from, int to);
    void clearUndoRecord();
    // Takes the last single-counter move back; false when there is none to take back.
    bool undo();

    struct OpenOutcome {
        bool opened = false;
        // Why the file was refused; the game is then as it was.
        QString error;
        // The file holds only the placeholder position (no game yet).
        bool placeholders = false;
        // Korva's block had to be ignored (the file opened all the same).
        QString warning;
        // Reasons to look twice before answering it (the history's and the game's view):
        // the player saved this very file; its turn comes before the one the player's
        // newest saved file of the game says; it is of another game than the one whose
        // unsaved changes it replaced.
        bool ownFile = false;
        bool olderThanAnswered = false;
        bool otherGameUnsaved = false;
        // The file claims the id of another of the player's games, whose turns it does not
        // fit: it was kept apart, and nothing of that game changed.
        bool claimsOtherGame = false;
        // The opponent's rolls failed the check: the verdict's words.
        QString diceFailure;
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
    // turn and side Korva put in it. A save under another name leaves it as it is.
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
    // TurnDice::roll); a roll the ledger could not keep is told through historyWarning.
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
    void undoChanged(bool canUndo);
    // A move file was saved (the report may not have been).
    void saved(const QString& fileName);
    // A copy the history could not keep, told when the writing ended.
    void historyWarning(const QString& warning);
    // The turn, the side to move or the players changed (a save's end of turn, an edit).
    void turnChanged();

private:
    void setModified(bool modified);
    void setUndoEnabled(bool enabled);
    void setFileName(const QString& fileName);
    void keepInHistory(const QByteArray& bytes, bool saved);
    // Shows pastEntries_[index], read-only.
    StepOutcome showPastEntry(std::size_t index);

    std::unique_ptr<Game> game_;
    std::unique_ptr<HistoryWriter> historyWriter_;
    std::unique_ptr<TurnDice> dice_;
    QString fileName_;
    // The file named above came from an Open (the opponent's), not from a save.
    bool fileOpened_ = false;
    QString gameName_ = QStringLiteral("korva");
    bool modified_ = false;
    int dragFromHex_ = -1;
    int undoToHex_ = -1;
    bool undoEnabled_ = false;
    // While the past shows: the game's copies, oldest first, and the one shown.
    std::vector<HistoryEntry> pastEntries_;
    std::size_t pastIndex_ = 0;
    QString stepError_;
};
