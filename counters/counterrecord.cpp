#include "counters/counterrecord.h"

#include "base/bytestream.h"

#include <QCoreApplication>

#include <cstdint>

int CounterRecord::stateWord() const {
    return static_cast<std::int32_t>(std::int64_t{marker} * 1000 + losses);
}

CounterRecord CounterRecord::fromWords(int startHex, int currentHex, int stateWord) {
    return CounterRecord{startHex, currentHex, stateWord % 1000, stateWord / 1000};
}

CounterRecord CounterRecord::read(ByteReader& in) {
    if (in.remaining() < kSize)
        throw StreamEndError(
            QCoreApplication::translate("CounterSection", "the file ends inside a counter record")
                .toStdString());
    const int start = in.readInt32();
    const int current = in.readInt32();
    const int state = in.readInt32();
    return fromWords(start, current, state);
}

void CounterRecord::write(ByteWriter& out) const {
    out.writeInt32(startHex);
    out.writeInt32(currentHex);
    out.writeInt32(stateWord());
}
