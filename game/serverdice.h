#pragma once

#include "dice/diceverdict.h"
#include "movefile/korvaextension.h"
#include "movefile/witnessrecord.h"
#include "netplay/servergames.h"
#include "netplay/witnessverdict.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class EditStack;
class Game;
class GameHistory;
class TurnDice;
struct OpenedMoveFile;

// The dice of a game played through a Korva server, as the session holds it: every die is the
// server's, asked with the game, move, roll number, hex and comment, and taken only once its
// signed record checks out against the key pinned for the game. No die of a server game is
// ever drawn on this computer (Session::rollDie refuses).
//
// A combat in a server game: nextWitnessAsk(hex, comment), ask the server, takeWitnessedRoll
// with its record, then Session::addCombat(hex, die, comment) as for a local roll. The comment
// cannot change after the roll: the record holds its hash, so the combat keeps the asked one.
class ServerDice : public QObject {
    Q_OBJECT
public:
    ServerDice(Game& game, EditStack& edits, TurnDice& dice, const GameHistory* history,
               QObject* parent = nullptr);
    ~ServerDice() override;

    // Where the player's server games are listed; the player's own list until set.
    void setRegistry(ServerGames registry);
    const ServerGames& registry() const { return registry_; }

    // The open game is one the player plays through a server.
    bool isServerGame() const;
    std::optional<ServerGameEntry> serverGame() const;

    struct WitnessAsk {
        GameId game;
        // The move of the game being played (1 for its first move), the roll's number in it.
        int turn = 0;
        int number = 0;
        int hex = 0;
        // Windows-1252, as the tags section holds it.
        QByteArray comment;
    };
    // What to ask the server for the next combat's die; nullopt when this is no server game
    // (or its turn is not known).
    std::optional<WitnessAsk> nextWitnessAsk(int hex, const std::string& comment) const;

    struct WitnessTaken {
        int die = 0;
        // Why the record was not taken; nothing changed then.
        QString error;
    };
    // The server's signed record for `ask`: the pinned key's, and the game, move, number, hex
    // and comment asked, chained on the turn's roll before it. Taken, it is the turn's roll, a
    // step no undo crosses; kept in the dice ledger with its comment before it shows.
    WitnessTaken takeWitnessedRoll(const WitnessAsk& ask, const QByteArray& record);

    // Rolls of this turn the server drew that the game lacks (after a crash or a restart):
    // each sound one, in order, becomes a combat of the turn, with the comment the ledger kept
    // for it. How many came back. `serverLog` is the game's whole log, or this move's.
    int recoverWitnessed(const std::vector<WitnessedRoll>& serverLog);
    // The server's log of the game (or of the opened file's move): the opened file is judged
    // again with its rolls of that move, so that a roll left out at the end shows. Emits
    // diceVerdictChanged().
    void checkWithServerLog(const std::vector<WitnessedRoll>& serverLog);

    // The comment a combat at the hex keeps: the one its roll was asked with.
    std::string commentOfRollAt(int hex, const std::string& wanted) const;

    // For the session. The expectation an opened file of `game` is judged by, when the game
    // is a server game.
    std::optional<WitnessExpectation> expectationFor(const OpenedMoveFile& file,
                                                     const std::optional<GameId>& game) const;
    // A file was opened: the player's own file of a server game goes on with its rolls.
    void opened(const OpenedMoveFile& file, const std::optional<WitnessExpectation>& witness,
                bool ownFile);
    // A new game: nothing opened, no rolls.
    void reset();
    // The turn ended with a save: the next move has no rolls yet.
    void turnEnded();
    // This turn's records, in the order of the own tags, into the block a save writes.
    void addToBlock(KorvaExtension& block, const std::vector<TagRecord>& ownTags) const;

signals:
    void diceVerdictChanged();
    // A note for the player (the ledger could not keep a roll's comment).
    void warning(const QString& text);

private:
    struct Taken {
        WitnessedRoll record;
        std::string comment;
    };
    // The move being played, 1 for the game's first; 0 when the turn is unknown.
    std::uint32_t currentMove() const;
    QString refusal(const WitnessedRoll& roll, const WitnessAsk& ask) const;
    // The roll is the next of `move`, signed by the game's server and chained on the last.
    bool follows(const WitnessedRoll& roll, const ServerGameEntry& entry, std::uint32_t move) const;
    void take(const WitnessedRoll& roll, std::string comment, bool combatNow);
    void keepInLedger(const Taken& taken);
    std::vector<std::string> ledgerComments(const GameId& game, std::uint32_t move) const;

    Game& game_;
    EditStack& edits_;
    TurnDice& dice_;
    const GameHistory* history_;
    ServerGames registry_;
    // This move's rolls, in number order.
    std::vector<Taken> rolls_;
    // The opened file's block and combats, to judge again with the server's log.
    KorvaExtension openedBlock_;
    std::vector<TagRecord> openedTags_;
    std::optional<WitnessExpectation> openedWitness_;
};
