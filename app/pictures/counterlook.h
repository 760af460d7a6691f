#pragma once

#include "counters/orderofbattle.h"

#include <QString>

#include <string>

// What a counter picture shows, read from its order-of-battle row: which kind of piece it
// is, its nation, its designation and arm of service, its size and its loss steps.
struct CounterLook {
    CounterKind kind = CounterKind::FirstSide;
    QString nation;      // key of the nation band: "UK", "US", "Rome", "Rep", "SS", ... or empty
    QString designation; // "6", "82/504", "Piave"
    QString service;     // upper-case arm of service: "ARM", "INF", "ABN"; may be empty
    QString size;        // "XX", "III" or "X" from the name's ending; empty otherwise
    int sizeValue = 0;   // shown as dots where the name gives no size
    int steps = 0;       // loss steps the counter can show
};

// The look of row `row` (1-based) with the row's name (Windows-1252 bytes), steps and size.
CounterLook counterLookOf(int row, const std::string& name, int steps, int sizeValue);
