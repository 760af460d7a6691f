#include "game/openedstanding.h"

#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"
#include "turns/turnorder.h"

#include <algorithm>

OpenedStanding standingOf(const OpenedMoveFile& file, const HistoryContext& context) {
    OpenedStanding standing;
    standing.ownFile = context.savedByPlayer;
    const std::vector<CounterRecord>& counters = file.contents.counters;
    standing.ownTurnEnded = standing.ownFile && std::all_of(counters.begin(), counters.end(),
                                                            [](const CounterRecord& c) {
                                                                return c.startHex == c.currentHex;
                                                            });
    const std::optional<TurnRecord>& turn = file.extension.turn;
    const std::optional<TurnRecord>& answeredTurn = context.lastSavedTurn;
    const bool turnsKnown = turn && answeredTurn;
    // A save begun from the file's position answers it only in its turn (an unfinished
    // answer) or the next: a later file of a game where nobody moved begins there too.
    standing.answered =
        !standing.ownFile && context.answeredByLastSave &&
        (!turnsKnown || *answeredTurn == *turn || *answeredTurn == TurnOrder::next(*turn));
    standing.olderThanAnswered =
        !standing.ownFile && !standing.answered && turnsKnown && comesBefore(*turn, *answeredTurn);
    // Measured from a file that came after it, the player's own later moves would show,
    // taken back, as the opponent's.
    if (!standing.answered && !standing.olderThanAnswered)
        standing.measureFrom = context.ownLastFile;
    return standing;
}

TurnMoves openedMoves(const OpenedMoveFile& file, const HistoryContext& context) {
    return movesOfTurn(file.contents.counters, file.extension.turnStart,
                       standingOf(file, context).measureFrom);
}
