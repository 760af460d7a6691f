#include "game/turnorder.h"

namespace {

Side other(Side side) {
    return side == Side::First ? Side::Second : Side::First;
}

} // namespace

TurnOrder TurnOrder::newGame(Side movesFirst, PlayerNames players) {
    return {TurnRecord{1, movesFirst, movesFirst}, std::move(players)};
}

TurnRecord TurnOrder::next(const TurnRecord& turn) {
    TurnRecord after = turn;
    after.toMove = other(turn.toMove);
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
