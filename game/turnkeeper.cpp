#include "game/turnkeeper.h"

#include "counters/countermgr.h"
#include "movefile/openedmovefile.h"

#include <algorithm>

TurnKeeper::TurnKeeper(const CounterMgr& counters) {
    beginTurn(counters);
}

void TurnKeeper::beginTurn(const CounterMgr& counters) {
    startStates_.clear();
    for (const auto& counter : counters.counters())
        startStates_.push_back({counter->losses(), counter->marker()});
}

void TurnKeeper::newGame(const CounterMgr& counters, TurnOrder order) {
    beginTurn(counters);
    order_ = std::move(order);
    gameId_.reset();
    note_.clear();
    gameName_.clear();
    openedMoves_ = {};
    openedNote_.clear();
}

void TurnKeeper::opened(const OpenedMoveFile& file, const std::optional<GameId>& gameOfFolder,
                        const std::optional<EarlierFile>& ownLastFile, bool takeGameId) {
    const std::vector<CounterRecord>& records = file.contents.counters;
    const auto& recorded = file.extension.turnStart;
    const bool midTurn = recorded && recorded->size() == records.size() &&
                         std::equal(records.begin(), records.end(), recorded->begin(),
                                    [](const CounterRecord& r, const CounterPlace& p) {
                                        return r.startHex == p.hex;
                                    });
    startStates_.clear();
    if (midTurn) {
        for (const CounterPlace& place : *recorded)
            startStates_.push_back({place.losses, place.marker});
    } else {
        for (const CounterRecord& record : records)
            startStates_.push_back({record.losses, record.marker});
    }
    const std::optional<GameId> game =
        file.extension.gameId && takeGameId ? file.extension.gameId : gameOfFolder;
    // A file of an older Korva names no game: the name stays with its game.
    if (!file.extension.gameName.isEmpty())
        gameName_ = file.extension.gameName;
    else if (!game || game != gameId_)
        gameName_.clear();
    gameId_ = game;
    note_.clear();
    openedMoves_ = movesOfTurn(records, recorded, ownLastFile);
    openedNote_ = file.extension.note;
    order_ = TurnOrder(file.extension.turn, file.extension.players);
}

KorvaExtension TurnKeeper::extensionForSave(const CounterMgr& counters, bool endOfTurn) {
    if (!gameId_)
        gameId_ = GameId::generate();
    KorvaExtension extension;
    extension.turnStart = turnStart(counters);
    extension.gameId = gameId_;
    extension.note = note_;
    extension.turn = order_.afterSave(endOfTurn);
    extension.players = order_.players();
    extension.gameName = gameName_;
    extension.writer = KorvaVersion::current();
    return extension;
}

void TurnKeeper::saved(bool endOfTurn, const CounterMgr& counters) {
    if (!endOfTurn)
        return;
    beginTurn(counters);
    order_.endTurn();
}

std::vector<CounterPlace> TurnKeeper::turnStart(const CounterMgr& counters) const {
    std::vector<CounterPlace> places;
    std::size_t i = 0;
    for (const auto& counter : counters.counters()) {
        const StartState state = i < startStates_.size() ? startStates_[i] : StartState{};
        places.push_back({counter->startHex().index(), state.losses, state.marker});
        ++i;
    }
    return places;
}
