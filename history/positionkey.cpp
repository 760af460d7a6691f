#include "history/positionkey.h"

#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"

#include <QCryptographicHash>

QByteArray positionkey::of(const std::vector<int>& hexes) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const int hex : hexes)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&hex), sizeof hex));
    return hash.result();
}

QByteArray positionkey::start(const std::vector<CounterRecord>& records) {
    std::vector<int> hexes;
    for (const CounterRecord& record : records)
        hexes.push_back(record.startHex);
    return of(hexes);
}

QByteArray positionkey::present(const std::vector<CounterRecord>& records) {
    std::vector<int> hexes;
    for (const CounterRecord& record : records)
        hexes.push_back(record.currentHex);
    return of(hexes);
}

QByteArray positionkey::turnStart(const OpenedMoveFile& file) {
    if (const auto& places = file.extension.turnStart) {
        std::vector<int> hexes;
        for (const CounterPlace& place : *places)
            hexes.push_back(place.hex);
        return of(hexes);
    }
    return start(file.contents.counters);
}

const QByteArray& positionkey::newGame() {
    static const QByteArray key = present(newGameContents().counters);
    return key;
}

positionkey::Turn positionkey::turnOf(const OpenedMoveFile& file) {
    return {turnStart(file), present(file.contents.counters)};
}

bool positionkey::follows(const QByteArray& begin, const Turn& earlier) {
    return !begin.isEmpty() && begin != newGame() &&
           (begin == earlier.begin || begin == earlier.end);
}

bool positionkey::linked(const Turn& a, const Turn& b) {
    return follows(a.begin, b) || follows(b.begin, a);
}
