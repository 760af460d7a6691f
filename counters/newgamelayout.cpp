#include "counters/newgamelayout.h"

#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"

#include <algorithm>

namespace newgame {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Places the groups one after the other in the band and gives each counter its record.
void layOut(const std::vector<CounterGroup>& groups, const HoldingBand& band,
            std::vector<CounterRecord>& records) {
    int slot = 0; // position in the band, row by row
    for (const CounterGroup& group : groups) {
        // After one empty hex if the whole group fits in the rest of the row, else at the
        // start of a row.
        const int column = slot % band.columns;
        if (column > 0)
            slot += column + 1 + static_cast<int>(group.rows.size()) > band.columns
                        ? band.columns - column
                        : 1;
        for (const int row : group.rows) {
            const int hex = hexgrid::hexIndexOf(band.firstColumn + slot % band.columns,
                                                band.firstRow + slot / band.columns);
            records[static_cast<std::size_t>(row - 1)] = CounterRecord{hex, hex, 0, 0};
            ++slot;
        }
    }
}

} // namespace

std::string groupOf(int row, const std::string& name) {
    if (sideOfRow(row) == Side::First)
        return {name.begin(), std::find_if_not(name.begin(), name.end(), isAsciiLetter)};
    if (name == "Fort" || name == "Port")
        return name;
    if (name == "1 Marker")
        return "Marker";
    if (name.starts_with("Rep:"))
        return "Rep";
    return "German";
}

std::vector<CounterGroup> counterGroups(bool firstSide) {
    CounterInitList oob;
    buildOrderOfBattle(oob);
    std::vector<CounterGroup> groups;
    int row = 0;
    for (const ZeKCounterInitStruct& entry : oob) {
        ++row;
        if ((sideOfRow(row) == Side::First) != firstSide)
            continue;
        const std::string name = groupOf(row, entry.name);
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](const CounterGroup& g) { return g.name == name; });
        if (it == groups.end())
            it = groups.insert(groups.end(), CounterGroup{name, {}});
        it->rows.push_back(row);
    }
    return groups;
}

std::vector<CounterRecord> newGameRecords() {
    std::vector<CounterRecord> records(static_cast<std::size_t>(kOrderOfBattleSize));
    layOut(counterGroups(true), kFirstSideBand, records);
    layOut(counterGroups(false), kSecondSideBand, records);
    return records;
}

bool isPlaceholderPosition(const std::vector<CounterRecord>& records) {
    if (records.size() != static_cast<std::size_t>(kOrderOfBattleSize))
        return false;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].currentHex != static_cast<int>(i) + 1)
            return false;
    return true;
}

} // namespace newgame
