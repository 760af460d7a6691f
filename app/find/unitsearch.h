#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Game;

// Finding counters by name as a player types it: every word of the query must begin a
// word of the name, in the same order, letter case aside; "6 arm" finds "UK 6 Armor XX".
// Words of a name are split at blanks and punctuation ("Tiger:508" is "Tiger", "508").
namespace unitsearch {

bool nameMatches(const QString& name, const QString& query);

// The 1-based order-of-battle rows of the counters whose names match, in that order; empty
// for a query of blanks only.
std::vector<int> findCounters(const Game& game, const QString& query);

// The matching names, for a completion list.
QStringList matchingNames(const Game& game, const QString& query);

} // namespace unitsearch
