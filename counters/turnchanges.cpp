#include "counters/turnchanges.h"

#include "counters/movereport.h"
#include "counters/orderofbattle.h"

#include <algorithm>
#include <string>

namespace {

std::string changeLine(const CounterChange& change) {
    using namespace movereport;
    const auto& table = orderOfBattleRows();
    const bool known = change.counter >= 1 && std::size_t(change.counter) <= table.size();
    const std::string name = known ? table[std::size_t(change.counter) - 1].name
                                   : "counter " + std::to_string(change.counter);
    const int steps = known ? table[std::size_t(change.counter) - 1].steps : 0;

    std::string line = padded(name, kUnitWidth);
    line += padded(shortLabel(change.fromHex), kLabelWidth);
    line += padded(padded(shortLabel(change.toHex), kLabelWidth) +
                       stateText(steps, change.lossesAfter, change.markerAfter),
                   kToAndStateWidth);
    std::vector<std::string> notes;
    if (!change.moved())
        notes.push_back("did not move");
    if (change.lossesBefore != change.lossesAfter)
        notes.push_back("losses " + std::to_string(steps) + "/" +
                        std::to_string(change.lossesBefore) + " -> " + std::to_string(steps) + "/" +
                        std::to_string(change.lossesAfter));
    if (change.markerBefore != change.markerAfter)
        notes.push_back("marker " + std::to_string(change.markerBefore) + " -> " +
                        std::to_string(change.markerAfter));
    for (std::size_t i = 0; i < notes.size(); ++i)
        line += (i ? ", " : "") + notes[i];
    return line;
}

} // namespace

std::vector<CounterChange> turnChanges(const std::vector<CounterPlace>& before,
                                       const std::vector<CounterPlace>& after) {
    std::vector<CounterChange> changes;
    const std::size_t count = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < count; ++i) {
        const CounterPlace& b = before[i];
        const CounterPlace& a = after[i];
        if (b != a)
            changes.push_back(
                {static_cast<int>(i) + 1, b.hex, a.hex, b.losses, a.losses, b.marker, a.marker});
    }
    return changes;
}

TurnMoves movesOfTurn(const std::vector<CounterRecord>& file,
                      const std::optional<std::vector<CounterPlace>>& turnStart,
                      const std::optional<EarlierFile>& earlier) {
    const std::vector<CounterPlace> now = presentPlaces(file);
    if (earlier)
        return {MovesSource::EarlierPosition, turnChanges(presentPlaces(earlier->counters), now),
                earlier->name};
    // The record is the turn's own account: when it says nothing changed, nothing did.
    if (turnStart)
        return {MovesSource::TurnStartRecord, turnChanges(*turnStart, now), {}};
    // Saved with an end of turn, every start hex is the present hex: nothing to go by.
    std::vector<CounterChange> changes = turnChanges(startPlaces(file), now);
    if (!changes.empty())
        return {MovesSource::StartHexes, std::move(changes), {}};
    return {MovesSource::None, {}, {}};
}

QByteArray changesText(const std::vector<CounterChange>& changes) {
    const char* const lineEnd = "\r\n";
    std::string text = std::string(movereport::kHeader) + lineEnd;
    for (const CounterChange& change : changes)
        text += changeLine(change) + lineEnd;
    return QByteArray::fromStdString(text);
}
