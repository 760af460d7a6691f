#include "movefile/witnessrecord.h"

#include <QCoreApplication>
#include <QtEndian>

#include <stdexcept>

namespace {

constexpr char kMark[] = "KORVAWR1";
constexpr qsizetype kMarkSize = 8;

template <typename T> void append(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T> T at(QByteArrayView bytes, qsizetype& offset) {
    const T value = qFromLittleEndian<T>(bytes.data() + offset);
    offset += qsizetype(sizeof(T));
    return value;
}

[[noreturn]] void damaged(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

} // namespace

QByteArray witnessrecord::signedBytes(const WitnessedRoll& roll) {
    QByteArray out(kMark, kMarkSize);
    out.append(reinterpret_cast<const char*>(roll.game.data()), GameId::kSize);
    append(out, roll.turn);
    append(out, roll.number);
    append(out, roll.hex);
    out.append(roll.commentHash.leftJustified(WitnessedRoll::kHashSize, '\0', true));
    append(out, roll.die);
    append(out, roll.timeMs);
    out.append(roll.previous.leftJustified(WitnessedRoll::kHashSize, '\0', true));
    return out;
}

QByteArray witnessrecord::encode(const WitnessedRoll& roll) {
    return signedBytes(roll) +
           roll.signature.leftJustified(WitnessedRoll::kSignatureSize, '\0', true);
}

WitnessedRoll witnessrecord::decode(QByteArrayView bytes) {
    if (bytes.size() != WitnessedRoll::kSize)
        damaged(
            QCoreApplication::translate("WitnessRecord", "a witnessed roll has %1 bytes, not %2")
                .arg(bytes.size())
                .arg(WitnessedRoll::kSize));
    if (bytes.first(kMarkSize) != QByteArrayView(kMark, kMarkSize))
        damaged(QCoreApplication::translate(
            "WitnessRecord", "a witnessed roll is of a form this Korva does not know"));
    WitnessedRoll roll;
    qsizetype offset = kMarkSize;
    std::copy(bytes.begin() + offset, bytes.begin() + offset + GameId::kSize, roll.game.begin());
    offset += GameId::kSize;
    roll.turn = at<std::uint32_t>(bytes, offset);
    roll.number = at<std::uint32_t>(bytes, offset);
    roll.hex = at<std::int32_t>(bytes, offset);
    roll.commentHash = bytes.sliced(offset, WitnessedRoll::kHashSize).toByteArray();
    offset += WitnessedRoll::kHashSize;
    roll.die = at<std::uint32_t>(bytes, offset);
    roll.timeMs = at<std::int64_t>(bytes, offset);
    roll.previous = bytes.sliced(offset, WitnessedRoll::kHashSize).toByteArray();
    offset += WitnessedRoll::kHashSize;
    roll.signature = bytes.sliced(offset).toByteArray();
    if (roll.die < 1 || roll.die > 6 || roll.number == 0 || roll.turn == 0)
        damaged(QCoreApplication::translate("WitnessRecord",
                                            "a witnessed roll has number %1 and die %2")
                    .arg(roll.number)
                    .arg(roll.die));
    return roll;
}

QByteArray witnessrecord::encodeList(const std::vector<WitnessedRoll>& rolls) {
    QByteArray out;
    append(out, static_cast<std::uint32_t>(rolls.size()));
    for (const WitnessedRoll& roll : rolls)
        out.append(encode(roll));
    return out;
}

std::vector<WitnessedRoll> witnessrecord::decodeList(QByteArrayView body) {
    if (body.size() < 4)
        damaged(QCoreApplication::translate("WitnessRecord",
                                            "its witnessed rolls end inside their count"));
    qsizetype offset = 0;
    const auto count = at<std::uint32_t>(body, offset);
    if (count > kMaxRolls || body.size() - 4 != qsizetype(count) * WitnessedRoll::kSize)
        damaged(
            QCoreApplication::translate("WitnessRecord", "its witnessed rolls count %1 in %2 bytes")
                .arg(count)
                .arg(body.size()));
    std::vector<WitnessedRoll> rolls;
    rolls.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i, offset += WitnessedRoll::kSize)
        rolls.push_back(decode(body.sliced(offset, WitnessedRoll::kSize)));
    return rolls;
}
