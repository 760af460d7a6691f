#include "counters/counterplace.h"

std::vector<CounterPlace> presentPlaces(const std::vector<CounterRecord>& records) {
    std::vector<CounterPlace> places;
    places.reserve(records.size());
    for (const CounterRecord& record : records)
        places.push_back({record.currentHex, record.losses, record.marker});
    return places;
}

std::vector<CounterPlace> startPlaces(const std::vector<CounterRecord>& records) {
    std::vector<CounterPlace> places;
    places.reserve(records.size());
    for (const CounterRecord& record : records)
        places.push_back({record.startHex, record.losses, record.marker});
    return places;
}
