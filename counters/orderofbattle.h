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

// The two sides: the first (the Allies) moves the units of rows 1..101; the second (the
// Axis) those of rows 115..218, with the forts, ports and markers in between and after.
enum class Side { First, Second };

// The kind of piece a row holds.
enum class CounterKind {
    FirstSide,  // rows 1..101
    Fort,       // rows 102..114
    SecondSide, // rows 115..218
    Port,       // rows 219..226
    Marker,     // rows 227..234
};

// Of a 1-based row; rows beyond the table count as markers.
CounterKind kindOfRow(int row);
Side sideOfRow(int row);
