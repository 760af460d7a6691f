#include "counters/countermgr.h"

#include "base/bytestream.h"
#include "counters/orderofbattle.h"

#include <QCoreApplication>

CounterMgr::CounterMgr() {
    createCounters();
}

CounterMgr::~CounterMgr() {
    deleteCounters();
}

void CounterMgr::createCounters() {
    deleteCounters();
    CounterInitList rows;
    buildOrderOfBattle(rows);
    int n = 0;
    for (const ZeKCounterInitStruct& row : rows) {
        ++n;
        counters_.push_back(std::make_unique<ZeKCounter>(row.basePictureId, row.steps, row.name,
                                                         row.sizeValue, n, n, 0, 0));
    }
}

void CounterMgr::deleteCounters() {
    counters_.clear();
}

void CounterMgr::endTurn() {
    for (const auto& counter : counters_)
        counter->endTurn();
}

void CounterMgr::writeCounters(ByteWriter& out, bool turnEnded) const {
    std::vector<CounterRecord> records;
    records.reserve(counters_.size());
    for (const auto& counter : counters_) {
        records.push_back(counter->record());
        if (turnEnded)
            records.back().startHex = records.back().currentHex;
    }
    writeRecords(out, records);
}

void CounterMgr::writeRecords(ByteWriter& out, const std::vector<CounterRecord>& records) {
    out.writeInt32(kSectionMark);
    out.writeInt32(static_cast<std::int32_t>(records.size()));
    for (const CounterRecord& record : records)
        record.write(out);
}

std::optional<std::vector<CounterRecord>> CounterMgr::readRecords(ByteReader& in) {
    if (in.readInt32(
            QCoreApplication::translate("CounterSection", "the mark of the counters section")
                .toStdString()) != kSectionMark)
        return std::nullopt;
    in.readInt32(
        QCoreApplication::translate("CounterSection", "the counter count of the counters section")
            .toStdString()); // it does not bound the records
    std::vector<CounterRecord> records;
    records.reserve(kOrderOfBattleSize);
    for (int n = 0; n < kOrderOfBattleSize; ++n) {
        if (in.remaining() < CounterRecord::kSize)
            throw StreamEndError(
                QCoreApplication::translate(
                    "CounterSection",
                    "the file ends inside the record of counter %1 in the counters section")
                    .arg(n + 1)
                    .toStdString());
        records.push_back(CounterRecord::read(in));
    }
    return records;
}

bool CounterMgr::readCounters(ByteReader& in) {
    const auto records = readRecords(in);
    if (!records)
        return false;
    applyRecords(*records);
    return true;
}

void CounterMgr::applyRecords(const std::vector<CounterRecord>& records) {
    createCounters();
    auto record = records.begin();
    for (auto counter = counters_.begin(); counter != counters_.end() && record != records.end();
         ++counter, ++record)
        (*counter)->setState(*record);
}
