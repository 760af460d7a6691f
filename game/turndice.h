#pragma once

#include "combat/tagsection.h"
#include "dice/diceverdict.h"
#include "geometry/afpoint.h"
#include "movefile/dicerecord.h"
#include "movefile/gameid.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class GameHistory;
struct KorvaExtension;
struct OpenedMoveFile;

// The dice of the turn being played, and the verdict on the opened file's rolls.
//
// When the opened file answers a file of this player whose secret the history still keeps,
// the turn's dice are fixed: roll i is drawn from that secret and the opened file's hash,
// and the ledger keeps each roll before it is shown, so a restart goes on with the next
// number instead of rolling again. Otherwise the die rolls as it always did (rollDie) and
// the file says why. Each save commits to a new secret for the next turn (one per turn,
// kept before the file exists) and reveals this turn's; the revealed ones are then dropped.
class TurnDice {
public:
    // Keeps no secrets and checks nothing without a history.
    explicit TurnDice(const GameHistory* history);

    // A file was opened: its rolls are checked, and the turn it starts gets its dice.
    void opened(const OpenedMoveFile& file);
    // A new game: nothing opened, so nothing to draw the dice from.
    void newGame();

    struct Roll {
        std::uint32_t number = 0;
        int die = 0;
    };
    // A combat's roll at the hex; `offset` is the free die's (hex mod 6). A roll the ledger
    // could not keep is rolled all the same, with *warning set.
    Roll roll(int hex, int offset, QString* warning);

    // The commitment and this turn's rolls, added to the block a save writes; the own tags
    // in the order the tags section holds them. A secret the history could not keep leaves
    // the commitment out (the next turn then rolls freely) and sets *warning.
    void addToBlock(KorvaExtension& block, const std::vector<TagRecord>& ownTags, QString* warning);
    // The save succeeded: the secret it revealed is dropped from the history.
    void saved(QString* warning);

    // The dice of this turn are drawn from a secret.
    bool fixed() const { return free_ == DiceRolls::Fixed; }
    std::uint32_t rollsMade() const { return next_ - 1; }
    // On the opened file's rolls; none before the first Open.
    const std::optional<DiceVerdict>& openedVerdict() const { return verdict_; }
    // The k-th (0-based) combat at the position, own in roll order or opened in file order.
    RollMark ownMark(AFPoint position, std::size_t k) const;
    RollMark openedMark(AFPoint position, std::size_t k) const;
    // "roll 3", "roll 3, verified"; empty for no number.
    static QString markText(const RollMark& mark);

private:
    struct Made {
        std::uint32_t number = 0;
        AFPoint position;
        int die = 0;
    };
    // Where each combat stands, so that a hex's k-th combat is found without a scan: a file
    // may hold hundreds of thousands.
    using PositionIndex = QHash<quint64, std::vector<std::size_t>>;
    static quint64 keyOf(AFPoint position);
    static std::size_t indexAt(const PositionIndex& index, AFPoint position, std::size_t k);

    void reset();
    std::vector<DiceRoll> listRolls(const std::vector<TagRecord>& ownTags) const;

    const GameHistory* history_;
    // This turn: why it rolls freely (or Fixed), the secret and commitment it draws from,
    // the opened file's hash and game.
    std::uint32_t free_ = DiceRolls::FirstTurn;
    QByteArray secret_;
    QByteArray commitment_;
    QByteArray openedHash_;
    std::optional<GameId> game_;
    std::uint32_t next_ = 1;
    std::vector<Made> made_;
    PositionIndex madeAt_;
    // The secret the next turn will draw from, made at this turn's first save, and the game
    // it is kept for.
    QByteArray nextSecret_;
    std::optional<GameId> nextGame_;
    // The opened file's combats and the verdict on them.
    std::vector<TagRecord> openedTags_;
    PositionIndex openedAt_;
    std::optional<DiceVerdict> verdict_;
};
