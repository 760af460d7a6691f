#include "app/turn/keptturns.h"

#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"
#include "turns/turnorder.h"

#include <algorithm>
#include <set>

std::vector<TurnStart> turnStarts(const std::vector<std::optional<TurnRecord>>& turns) {
    std::vector<TurnStart> starts;
    std::set<int> seen; // moves before each start, which tell turns and sides apart
    for (std::size_t i = 0; i < turns.size(); ++i) {
        if (!turns[i] || !seen.insert(movesBefore(*turns[i])).second)
            continue;
        starts.push_back({*turns[i], i});
    }
    std::stable_sort(starts.begin(), starts.end(), [](const TurnStart& a, const TurnStart& b) {
        return comesBefore(a.turn, b.turn);
    });
    return starts;
}

std::vector<std::optional<TurnRecord>> keptTurns(const std::vector<HistoryEntry>& kept) {
    std::vector<std::optional<TurnRecord>> turns;
    turns.reserve(kept.size());
    for (const HistoryEntry& entry : kept) {
        try {
            turns.push_back(GameHistory::read(entry).extension.turn);
        } catch (const std::exception&) {
            turns.push_back(std::nullopt); // a damaged copy names no turn
        }
    }
    return turns;
}
