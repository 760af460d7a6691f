#include "history/gamedicelog.h"

#include "dice/diceverdict.h"
#include "geometry/hexgrid.h"
#include "history/diceevidence.h"
#include "movefile/movefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"

#include <QHash>

#include <algorithm>

namespace {

// A roll is one per player, answered file and number, whichever copies carry it.
QByteArray keyOf(bool mine, const QByteArray& answered, std::uint32_t number) {
    return (mine ? QByteArray("m") : QByteArray("t")) + answered + QByteArray::number(number);
}

// A combat as its roll and its tag both describe it.
QByteArray combatKey(AFPoint position, int die, const std::string& comment) {
    return QByteArray::number(position.x) + ',' + QByteArray::number(position.y) + ',' +
           QByteArray::number(die) + ',' + QByteArray(comment.data(), qsizetype(comment.size()));
}

// The game's first turn, as a copy's turn tells who moved first.
std::optional<TurnRecord> firstTurnOf(const std::optional<TurnRecord>& any) {
    if (!any)
        return std::nullopt;
    return TurnRecord{1, any->movesFirst, any->movesFirst};
}

// The rolls that happened, by number as they were rolled (a combat no roll accounts for
// last): only the file's combats are, each tag accounting for one. `leftOut` counts the rest.
std::vector<const DiceRoll*> rollsThatHappened(const DiceRolls& record,
                                               const std::vector<TagRecord>& tags,
                                               std::size_t& leftOut) {
    QHash<QByteArray, int> combats;
    for (const TagRecord& tag : tags)
        ++combats[combatKey(tag.position, tag.dieValue, tag.comment)];
    std::vector<const DiceRoll*> byNumber;
    for (const DiceRoll& roll : record.rolls) {
        const auto combat = combats.find(combatKey(roll.position, roll.die, roll.comment));
        if (combat == combats.end() || *combat == 0) {
            ++leftOut;
            continue;
        }
        --*combat;
        byNumber.push_back(&roll);
    }
    std::stable_sort(byNumber.begin(), byNumber.end(), [](const DiceRoll* a, const DiceRoll* b) {
        return a->number - 1 < b->number - 1; // 0 wraps to the largest
    });
    return byNumber;
}

// A roll into the log, over the same roll from an earlier copy; `rollAt` finds those.
void addRoll(GameDiceLog& log, QHash<QByteArray, std::size_t>& rollAt, const QByteArray& key,
             GameRoll row) {
    // A combat no roll accounts for is its own row.
    if (const auto at = rollAt.constFind(key); row.number != 0 && at != rollAt.cend()) {
        log.rolls[*at] = std::move(row);
        return;
    }
    if (log.rolls.size() >= GameDiceLog::kMaxRolls) {
        ++log.notRead;
        return;
    }
    if (row.number != 0)
        rollAt.insert(key, log.rolls.size());
    log.rolls.push_back(std::move(row));
}

} // namespace

GameDiceLog gameDiceLog(const GameHistory& history, const GameId& game) {
    GameDiceLog log;
    QHash<QByteArray, std::size_t> rollAt;
    // The turn of each copy by its hash: a file's rolls were made in the turn of the file it
    // answered, which was kept before it.
    QHash<QByteArray, std::optional<TurnRecord>> turnOf;
    const ServerGames servers;
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
        // A file that answered none was the game's first turn.
        const std::optional<TurnRecord> turn =
            record.openedHash.isEmpty() ? firstTurnOf(block.turn) : turnOf.value(record.openedHash);
        if (mine && turn)
            log.mySide = turn->toMove;
        std::optional<DiceVerdict> verdict;
        if (!mine) {
            verdict = rollsVerdict(file, diceEvidenceFor(history, file, game), servers, game);
            verdict->marks.clear(); // each row carries its own copy
        }
        for (const DiceRoll* rolled : rollsThatHappened(record, file.contents.tags, log.leftOut)) {
            const DiceRoll& roll = *rolled;
            addRoll(log, rollAt, keyOf(mine, record.openedHash, roll.number),
                    {mine, turn, roll.number, hexgrid::hexAtPosition(roll.position), roll.die,
                     roll.comment, verdict, entry.title});
        }
    }
    for (const GameRoll& roll : log.rolls) {
        (roll.mine ? log.mine : log.theirs).add(roll.die);
        if (!roll.mine)
            (roll.verdict && roll.verdict->verified() ? log.theirsVerified : log.theirsUnverified)
                .add(roll.die);
    }
    return log;
}
