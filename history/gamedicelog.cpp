#include "history/gamedicelog.h"

#include "dice/diceverdict.h"
#include "geometry/hexgrid.h"
#include "history/diceevidence.h"
#include "movefile/movefile.h"

#include <QHash>

#include <algorithm>

namespace {

// A roll is one per player, answered file and number, whichever copies carry it.
QByteArray keyOf(bool mine, const QByteArray& answered, std::uint32_t number) {
    return (mine ? QByteArray("m") : QByteArray("t")) + answered + QByteArray::number(number);
}

} // namespace

GameDiceLog gameDiceLog(const GameHistory& history, const GameId& game) {
    GameDiceLog log;
    QHash<QByteArray, std::size_t> rollAt;
    // The turn of each copy by its hash: a file's rolls were made in the turn of the file it
    // answered, which was kept before it.
    QHash<QByteArray, std::optional<TurnRecord>> turnOf;
    const auto copies = history.kept(GameHistory::gameKey(game, {}));
    for (const HistoryEntry& entry : *copies) {
        OpenedMoveFile file;
        try {
            file = GameHistory::read(entry);
        } catch (const MoveFileError&) {
            continue;
        }
        const KorvaExtension& block = file.extension;
        turnOf.insert(history.hashOf(entry), block.turn);
        if (!block.players.isEmpty())
            log.players = block.players;
        if (!block.diceRolls)
            continue;
        const bool mine = entry.kind == HistoryEntry::Kind::Saved;
        const DiceRolls& record = *block.diceRolls;
        const std::optional<TurnRecord> turn = turnOf.value(record.openedHash);
        if (mine && turn)
            log.mySide = turn->toMove;
        QString verdict;
        bool verified = false;
        if (!mine) {
            const DiceVerdict checked =
                verifyDice(record, file.contents.tags, diceEvidenceFor(history, file, game));
            verdict = checked.text();
            verified = checked.verified();
        }
        // By number, as they were rolled; a combat no roll accounts for last.
        std::vector<const DiceRoll*> byNumber;
        for (const DiceRoll& roll : record.rolls)
            byNumber.push_back(&roll);
        std::stable_sort(byNumber.begin(), byNumber.end(),
                         [](const DiceRoll* a, const DiceRoll* b) {
                             return a->number - 1 < b->number - 1; // 0 wraps to the largest
                         });
        for (const DiceRoll* rolled : byNumber) {
            const DiceRoll& roll = *rolled;
            GameRoll row{
                mine,       turn,         roll.number, hexgrid::hexAtPosition(roll.position),
                roll.die,   roll.comment, verdict,     verified,
                entry.title};
            const QByteArray key = keyOf(mine, record.openedHash, roll.number);
            // A combat no roll accounts for is its own row.
            if (const auto at = rollAt.constFind(key); roll.number != 0 && at != rollAt.cend()) {
                log.rolls[*at] = std::move(row);
                continue;
            }
            if (roll.number != 0)
                rollAt.insert(key, log.rolls.size());
            log.rolls.push_back(std::move(row));
        }
    }
    for (const GameRoll& roll : log.rolls)
        (roll.mine ? log.mine : log.theirs).add(roll.die);
    return log;
}
