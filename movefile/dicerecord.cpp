#include "movefile/dicerecord.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr std::uint32_t kMaxComment = 80;

void appendWord(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendBytes(QByteArray& out, QByteArrayView bytes) {
    appendWord(out, static_cast<std::uint32_t>(bytes.size()));
    out.append(bytes.data(), bytes.size());
}

// Reads the record front to back; every length is checked against what is left.
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : bytes_(bytes) {}

    std::uint32_t word() {
        need(4, QT_TRANSLATE_NOOP("DiceRecord", "a number"));
        const auto value = qFromLittleEndian<std::uint32_t>(bytes_.data() + at_);
        at_ += 4;
        return value;
    }
    QByteArray bytes(std::uint32_t limit, const char* what) {
        const std::uint32_t n = word();
        if (n > limit)
            throw std::runtime_error(
                QCoreApplication::translate("DiceRecord", "its dice record has a %1 of %2 bytes")
                    .arg(QCoreApplication::translate("DiceRecord", what))
                    .arg(n)
                    .toStdString());
        need(n, what);
        QByteArray out(bytes_.data() + at_, qsizetype(n));
        at_ += n;
        return out;
    }
    qsizetype left() const { return bytes_.size() - at_; }

private:
    void need(qsizetype n, const char* what) const {
        if (left() < n)
            throw std::runtime_error(
                QCoreApplication::translate("DiceRecord", "its dice record ends inside %1")
                    .arg(QCoreApplication::translate("DiceRecord", what))
                    .toStdString());
    }
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

QByteArray hashOrNothing(Cursor& in, const char* what) {
    QByteArray bytes = in.bytes(dicerecord::kHashSize, what);
    if (!bytes.isEmpty() && bytes.size() != dicerecord::kHashSize)
        throw std::runtime_error(QCoreApplication::translate(
                                     "DiceRecord", "its dice record has a %1 of %2 bytes, not 32")
                                     .arg(QCoreApplication::translate("DiceRecord", what))
                                     .arg(bytes.size())
                                     .toStdString());
    return bytes;
}

} // namespace

QByteArray dicerecord::encode(const DiceRolls& rolls) {
    QByteArray out;
    appendWord(out, rolls.free);
    appendBytes(out, rolls.secret);
    appendBytes(out, rolls.openedHash);
    appendWord(out, rolls.made);
    appendWord(out, static_cast<std::uint32_t>(rolls.rolls.size()));
    for (const DiceRoll& roll : rolls.rolls) {
        appendWord(out, roll.number);
        appendWord(out, static_cast<std::uint32_t>(roll.position.x));
        appendWord(out, static_cast<std::uint32_t>(roll.position.y));
        appendWord(out, static_cast<std::uint32_t>(roll.die));
        appendBytes(out, QByteArrayView(roll.comment.data(), qsizetype(roll.comment.size())));
    }
    return out;
}

DiceRolls dicerecord::decode(QByteArrayView body) {
    Cursor in(body);
    DiceRolls rolls;
    rolls.free = in.word();
    rolls.secret = hashOrNothing(in, QT_TRANSLATE_NOOP("DiceRecord", "secret"));
    rolls.openedHash = hashOrNothing(in, QT_TRANSLATE_NOOP("DiceRecord", "file hash"));
    if (DiceRolls::isFixed(rolls.free) && (rolls.secret.isEmpty() || rolls.openedHash.isEmpty()))
        throw std::runtime_error(QCoreApplication::translate(
                                     "DiceRecord", "its fixed dice lack their secret or file hash")
                                     .toStdString());
    rolls.made = in.word();
    const std::uint32_t count = in.word();
    // Each roll takes at least 20 bytes: a count beyond them is a lie, caught before use.
    if (rolls.made > kMaxRolls || count > rolls.made || count > std::uint64_t(in.left()) / 20)
        throw std::runtime_error(
            QCoreApplication::translate("DiceRecord", "its dice record counts %1 of %2 rolls")
                .arg(count)
                .arg(rolls.made)
                .toStdString());
    for (std::uint32_t i = 0; i < count; ++i) {
        DiceRoll roll;
        roll.number = in.word();
        roll.position.x = static_cast<std::int32_t>(in.word());
        roll.position.y = static_cast<std::int32_t>(in.word());
        roll.die = static_cast<std::int32_t>(in.word());
        const QByteArray comment =
            in.bytes(kMaxComment, QT_TRANSLATE_NOOP("DiceRecord", "comment"));
        roll.comment.assign(comment.constData(), std::size_t(comment.size()));
        if (roll.number > rolls.made || roll.die < 1 || roll.die > 6)
            throw std::runtime_error(QCoreApplication::translate(
                                         "DiceRecord", "its dice record holds roll %1 with die %2")
                                         .arg(roll.number)
                                         .arg(roll.die)
                                         .toStdString());
        rolls.rolls.push_back(std::move(roll));
    }
    if (in.left() != 0)
        throw std::runtime_error(
            QCoreApplication::translate("DiceRecord", "its dice record has bytes after its rolls")
                .toStdString());
    return rolls;
}
