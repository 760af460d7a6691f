#pragma once

#include "counters/counterrecord.h"
#include "counters/zekcounterlist.h"

#include <optional>
#include <vector>

class ByteReader;
class ByteWriter;

// Owns every counter of the game, in order-of-battle order, and reads and writes their
// section of the move file.
class CounterMgr {
public:
    // The mark that opens the counters section of a move file.
    static constexpr int kSectionMark = 11111111;

    // Creates the 234 counters, counter n standing in hex n.
    CounterMgr();
    ~CounterMgr();

    CounterMgr(const CounterMgr&) = delete;
    CounterMgr& operator=(const CounterMgr&) = delete;

    // Replaces every counter with a fresh one from the order of battle: row n in hex n,
    // no losses, no marker. The board's stacks must be rebuilt afterwards.
    void createCounters();
    void deleteCounters();
    const ZeKCounterList& counters() const { return counters_; }

    // Every counter's start hex becomes its present hex.
    void endTurn();

    // The counters section: mark, count, one record per counter. With turnEnded every
    // record's start hex is the counter's present hex, as after endTurn(); the counters
    // themselves stay as they are.
    void writeCounters(ByteWriter& out, bool turnEnded = false) const;
    // Reads a counters section. A wrong mark consumes those 4 bytes and changes nothing
    // (answers false). Otherwise all records are read first and the counters are
    // recreated and given them (answers true); a section that ends early throws
    // StreamEndError and changes nothing. The board must be rebuilt after true.
    bool readCounters(ByteReader& in);
    // The records of a counters section, one per counter of the order of battle, without
    // applying them: nullopt (4 bytes consumed) for a wrong mark, StreamEndError for data
    // that ends early. The stored count is read and disregarded.
    static std::optional<std::vector<CounterRecord>> readRecords(ByteReader& in);
    // The one writer of the counters section, for the manager and for files made from
    // records: the mark, the number of records, then each record in order.
    static void writeRecords(ByteWriter& out, const std::vector<CounterRecord>& records);
    // Recreates every counter and gives the n-th the n-th record; counters beyond the
    // records keep their fresh state. The board must be rebuilt afterwards.
    void applyRecords(const std::vector<CounterRecord>& records);

private:
    ZeKCounterList counters_;
};
