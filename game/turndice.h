#pragma once

#include "combat/dierandom.h"
#include "combat/tagsection.h"
#include "dice/diceverdict.h"
#include "geometry/afpoint.h"
#include "movefile/dicerecord.h"
#include "movefile/gameid.h"
#include "netplay/witnessverdict.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class GameHistory;
struct KorvaExtension;
struct OpenedMoveFile;

// The dice of the turn being played, and the verdict on the opened file's rolls.
//
// When the opened file answers a file of this player whose secret the history keeps, the
// turn's dice are fixed: roll i is drawn from that secret, the opened file's hash and the
// combat's hex, and the ledger keeps each roll (with its hex and comment) before it is shown.
// A restart, a crash or a second answer to the same file therefore goes on with the next
// number, and the rolls made come back as combats of the turn. The player's own file opened
// again (saved unfinished, or a copy) goes on with the turn it was saved in: its combats stay
// the player's and its dice continue. Otherwise the die rolls as it always did (rollDie) and
// the file says why. Each turn commits to a new secret for the next turn at its first save;
// secrets stay kept after they are revealed, since the turn they draw may go on.
class TurnDice {
public:
    // Keeps no secrets and checks nothing without a history. A free roll draws from the
    // die's generator started at `seed`.
    explicit TurnDice(const GameHistory* history, std::uint32_t seed = 1);

    // How Open takes the file.
    struct OpenedAs {
        // The game the file is a turn of: its own id when it fits that game, the game whose
        // positions it follows for a file without one; none for a file kept apart.
        std::optional<GameId> game;
        // The player saved these very bytes.
        bool ownFile = false;
        // The file claims the id of another of the player's games and was kept apart.
        bool keptApart = false;
        // Its id names a game the history keeps nothing of, yet it follows this game's
        // positions: its rolls are judged as this game's.
        std::optional<GameId> followedGame;
        // The game is played through a Korva server: its rolls are judged by the server's
        // records alone and none is drawn here.
        std::optional<WitnessExpectation> witness;
    };
    // A file was opened: its rolls are checked, and the turn it starts (or, for the player's
    // own file, goes on with) gets its dice. Notes for the player (a damaged dice store set
    // aside) go to *warning.
    void opened(const OpenedMoveFile& file, const OpenedAs& as, QString* warning);
    // A new game: nothing opened, so nothing to draw the dice from.
    void newGame();

    // A roll the ledger held for this turn that the opened file does not carry: a combat
    // rolled before a crash or a restart, or in an earlier answer to the same file.
    struct Recovered {
        std::uint32_t number = 0;
        int hex = 0;
        int die = 0;
        std::string comment;
    };
    // Since the last Open; the session makes them combats of the turn.
    const std::vector<Recovered>& recovered() const { return recovered_; }

    struct Roll {
        std::uint32_t number = 0;
        int die = 0;
    };
    // A combat's roll at the hex, with the comment written before it (Windows-1252);
    // `offset` is the free die's (hex mod 6). A roll the ledger could not keep is rolled all
    // the same, with *warning set.
    Roll roll(int hex, int offset, const std::string& comment, QString* warning);
    // The combat of the last roll at the hex is recorded with this comment (it may have been
    // changed after the roll): the ledger keeps the final one.
    void combatRecorded(int hex, const std::string& comment, QString* warning);

    // The commitment and this turn's rolls, added to the block a save writes; the own tags
    // in the order the tags section holds them. A secret the history could not keep leaves
    // the commitment out (the next turn then rolls freely) and sets *warning.
    void addToBlock(KorvaExtension& block, const std::vector<TagRecord>& ownTags, QString* warning);

    // A server's roll taken for this turn (game/serverdice.h): it counts and marks as a roll.
    void addWitnessed(std::uint32_t number, int hex, int die, const std::string& comment);
    // The opened file judged again (with the server's log of its move).
    void setOpenedVerdict(DiceVerdict verdict) { verdict_ = std::move(verdict); }

    // The About box's trace of 60 and 60,000 rolls, on the free die: it rolls on from there.
    void traceRolls();

    // The dice of this turn are drawn from a secret.
    bool fixed() const { return DiceRolls::isFixed(free_); }
    std::uint32_t rollsMade() const { return next_ - 1; }
    // On the opened file's rolls; none before the first Open.
    const std::optional<DiceVerdict>& openedVerdict() const { return verdict_; }
    // The k-th (0-based) combat at the position, own in roll order or opened in file order.
    RollMark ownMark(AFPoint position, std::size_t k) const;
    RollMark openedMark(AFPoint position, std::size_t k) const;
    // "roll 3", "roll 3, verified", "roll 3, witnessed", "roll 3, does not match"; empty for
    // no number.
    static QString markText(const RollMark& mark);

private:
    struct Made {
        std::uint32_t number = 0;
        AFPoint position;
        int die = 0;
        std::string comment;
    };
    // Where each combat stands, so that a hex's k-th combat is found without a scan: a file
    // may hold hundreds of thousands.
    using PositionIndex = QHash<quint64, std::vector<std::size_t>>;
    static quint64 keyOf(AFPoint position);
    static std::size_t indexAt(const PositionIndex& index, AFPoint position, std::size_t k);

    void reset();
    void addMade(Made made);
    // The player's own file: its turn's dice, rolls and next secret again.
    void goOnWith(const OpenedMoveFile& file, QString* warning);
    // The opponent's file: fixed dice when it answers a file whose secret is kept.
    void drawFor(const OpenedMoveFile& file, QString* warning);
    // The ledger's rolls of this turn beyond those already made come back.
    void recoverFromLedger(QString* warning);
    std::vector<DiceRoll> listRolls(const std::vector<TagRecord>& ownTags) const;

    const GameHistory* history_;
    // Where a free roll comes from.
    DieRandom random_;
    // This turn: why it rolls freely (or how it is fixed), the secret and commitment it draws
    // from, the opened file's hash and the game.
    std::uint32_t free_ = DiceRolls::FirstTurn;
    QByteArray secret_;
    QByteArray commitment_;
    QByteArray openedHash_;
    std::optional<GameId> game_;
    std::uint32_t next_ = 1;
    std::vector<Made> made_;
    PositionIndex madeAt_;
    std::vector<Recovered> recovered_;
    // The secret the next turn will draw from, made at this turn's first save, and the game
    // it is kept for.
    QByteArray nextSecret_;
    std::optional<GameId> nextGame_;
    // The opened file's combats and the verdict on them.
    std::vector<TagRecord> openedTags_;
    PositionIndex openedAt_;
    std::optional<DiceVerdict> verdict_;
};
