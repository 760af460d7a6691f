#pragma once

class ByteReader;
class ByteWriter;

// One counter's record of the move file: 12 bytes, the start hex index, the present hex
// index and the state word marker * 1000 + losses.
struct CounterRecord {
    // Bytes of one record in the file.
    static constexpr int kSize = 12;

    int startHex = 0;
    int currentHex = 0;
    int losses = 0;
    int marker = 0;

    // The state word; wraps like the 32-bit value it is stored as.
    int stateWord() const;
    // Splits a state word by division truncating toward zero.
    static CounterRecord fromWords(int startHex, int currentHex, int stateWord);

    // Reads all 12 bytes or throws StreamEndError having taken nothing from the record.
    static CounterRecord read(ByteReader& in);
    void write(ByteWriter& out) const;

    bool operator==(const CounterRecord&) const = default;
};
