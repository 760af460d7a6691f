#pragma once

#include <list>
#include <string>
#include <vector>

// One row of the order of battle: a counter's first picture, its loss steps, its name
// (Windows-1252 bytes) and its size value.
struct ZeKCounterInitStruct {
    int basePictureId;
    int steps;
    std::string name;
    int sizeValue;
};

using CounterInitList = std::list<ZeKCounterInitStruct>;

// Number of rows; a row's 1-based position is the counter's identity everywhere.
inline constexpr int kOrderOfBattleSize = 234;

// Appends every row of the order of battle to the list, in table order.
void buildOrderOfBattle(CounterInitList& list);

// The rows of the order of battle, built once; row n is element n - 1.
const std::vector<ZeKCounterInitStruct>& orderOfBattleRows();
