#pragma once

#include "dice/diceverdict.h"
#include "game/document.h"
#include "game/pastbrowser.h"
#include "game/serverdice.h"
#include "history/historyentry.h"
#include "turns/turnorder.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Game;
class GameHistory;
struct HistoryContext;
struct OpenedMoveFile;
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

// One game as the player has it open, as the document of an editor is: the document (the
// Game and its edits, the one way the game changes), the move file it came from or went to
// last, the dice of the turn, the game's history with the past browser that shows its kept
// positions read-only; and the Open, Save and New game sequences.
//
// It asks nothing and shows nothing: the window asks the questions (End of turn?, which
// file) and tells the outcomes; it follows the session through the signals. Every change
// of the whole position (Open, New game, a history step, back to the present) ends in one
// positionReplaced(), once the session is consistent again.
class Session : public QObject {
    Q_OBJECT
public:
    // The Game is built from the two picture modules (korva_1, korva_2; see Game). The
    // history keeps its copies under `historyFolder`; empty keeps none. `dieSeed` starts the
    // die the turn rolls with when no secret fixes it.
    Session(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
            const QString& historyFolder, std::uint32_t dieSeed = 1, QObject* parent = nullptr);
    // Waits for the copies still being written, then tears the game down.
    ~Session() override;

    const Game& game() const { return document_->game(); }
    // The game's edits, its texts and whether it has unsaved changes.
    Document& document() { return *document_; }
    const Document& document() const { return *document_; }
    // The kept positions of the game, shown read-only.
    PastBrowser& past() { return *past_; }
    const PastBrowser& past() const { return *past_; }
    bool showsPast() const { return past_->showsPast(); }

    // The move file the game came from or went to last; empty for a new game and at start.
    const QString& fileName() const { return fileName_; }
    // New game made the position, and no save has named it yet.
    bool isNewGame() const { return state_.newGame; }
    // The turn in hand is one the player most likely ended already: their own file, opened
    // again, with no counter away from where its turn began (as at every end of turn). An
    // end of turn now would hand the move back to them.
    bool turnEndedByPlayer() const { return state_.turnEndedByPlayer; }
    // The file's name without its folder and without its last four characters (".krv").
    static QString fileTitle(const QString& fileName);

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

    // The name Save proposes for the file of this save, folder not included.
    QString proposedSaveName(bool endOfTurn) const;

    // The game's history; null when none is kept.
    const GameHistory* history() const;
    // Returns once the copies asked for are kept (their warnings may still be on their way).
    void waitForHistory();

    // The dice of the turn and the verdict on the opened file's rolls.
    const TurnDice& dice() const { return *dice_; }
    // The dice of a game played through a Korva server: what to ask the server, its records
    // taken, recovered and checked against its log.
    ServerDice& serverDice() { return *serverDice_; }
    const ServerDice& serverDice() const { return *serverDice_; }
    // The About box's trace of rolls, on the turn's free die.
    void traceDieRolls();
    // A combat's die at the hex, with the comment written before the roll (Windows-1252;
    // TurnDice::roll); a roll the ledger could not keep is told through historyWarning. The
    // roll is a step of the undo stack that no undo crosses: what was done before it stays.
    // A server game's dice are the server's alone: this throws std::logic_error there.
    int rollDie(int hex, int offset, const std::string& comment);
    // The combat of the roll just made at the hex, with its comment as it was closed; in a
    // server game the comment its die was asked with, which the server's record holds.
    void addCombat(int hex, int die, const std::string& comment);

    // What replaced the whole position.
    enum class Change { Opened, NewGame, PastShown, Present };

signals:
    // Open, New game, a history step or back to the present: everything may differ.
    void positionReplaced(Session::Change change);
    void fileNameChanged(const QString& fileName);
    // A move file was saved (the report may not have been).
    void saved(const QString& fileName);
    // A copy the history could not keep, told when the writing ended.
    void historyWarning(const QString& warning);
    // The turn, the side to move or the players changed (a save's end of turn, an edit).
    void turnChanged();

private:
    // Forgets every edit: a new turn, a new position; with `unsaved` the turn still has
    // changes no save wrote.
    void startAfresh(bool unsaved = false);
    void setFileName(const QString& fileName);
    void keepInHistory(const QByteArray& bytes, bool saved,
                       std::optional<Side> playerSide = std::nullopt);
    // The side a save shows the player plays, for the history; nullopt when it shows none.
    std::optional<Side> sideOfSave(bool endOfTurn) const;
    // The opened file's rolls judged and the turn's dice (a server game's, or local) taken up.
    void openDice(const OpenedMoveFile& file, const HistoryContext& context);

    std::unique_ptr<Document> document_;
    std::unique_ptr<HistoryWriter> historyWriter_;
    std::unique_ptr<TurnDice> dice_;
    std::unique_ptr<PastBrowser> past_;
    QString fileName_;
    std::unique_ptr<ServerDice> serverDice_;
    struct State {
        // The file named above came from an Open (the opponent's), not from a save.
        bool fileOpened = false;
        // The turn being played began from a file the player saved: ending it tells nothing
        // of the side they play.
        bool turnFromOwnFile = false;
        bool newGame = false;
        bool turnEndedByPlayer = false;
    };
    State state_;
};
