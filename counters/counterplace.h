#pragma once

#include "counters/counterrecord.h"

#include <vector>

// Where a counter stood and what it showed at one moment: its hex, losses and marker.
struct CounterPlace {
    int hex = 0;
    int losses = 0;
    int marker = 0;

    bool operator==(const CounterPlace&) const = default;
};

// Every counter where the records say it stands now, with its present losses and marker.
std::vector<CounterPlace> presentPlaces(const std::vector<CounterRecord>& records);
// Every counter in the records' start hex, with its present losses and marker (a move file
// keeps no earlier ones).
std::vector<CounterPlace> startPlaces(const std::vector<CounterRecord>& records);
