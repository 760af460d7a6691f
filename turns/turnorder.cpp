#include "turns/turnorder.h"

#include "movefile/openedmovefile.h"

Side otherSide(Side side) {
    return side == Side::First ? Side::Second : Side::First;
}

int movesBefore(const TurnRecord& turn) {
    return (turn.number - 1) * 2 + (turn.toMove == turn.movesFirst ? 0 : 1);
}

bool comesBefore(const TurnRecord& earlier, const TurnRecord& later) {
    return movesBefore(earlier) < movesBefore(later);
}

std::optional<Side> turnEndedBy(const OpenedMoveFile& saved) {
    const KorvaExtension& block = saved.extension;
    const std::vector<CounterRecord>& counters = saved.contents.counters;
    if (!block.turn || !block.turnStart || block.turnStart->size() != counters.size())
        return std::nullopt;
    bool moved = false;
    for (std::size_t i = 0; i < counters.size(); ++i) {
        if (counters[i].startHex != counters[i].currentHex)
            return std::nullopt;
        moved = moved || (*block.turnStart)[i].hex != counters[i].currentHex;
    }
    return moved ? std::optional<Side>(otherSide(block.turn->toMove)) : std::nullopt;
}

TurnOrder TurnOrder::newGame(Side movesFirst, PlayerNames players) {
    return {TurnRecord{1, movesFirst, movesFirst}, std::move(players)};
}

TurnRecord TurnOrder::next(const TurnRecord& turn) {
    TurnRecord after = turn;
    after.toMove = otherSide(turn.toMove);
    if (after.toMove == turn.movesFirst && turn.number < TurnRecord::kMaxNumber)
        ++after.number;
    return after;
}

std::optional<TurnRecord> TurnOrder::afterSave(bool endOfTurn) const {
    if (!record_ || !endOfTurn)
        return record_;
    return next(*record_);
}

void TurnOrder::endTurn() {
    record_ = afterSave(true);
}
