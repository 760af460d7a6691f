#include "movefile/dicerecord.h"

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
        need(4, "a number");
        const auto value = qFromLittleEndian<std::uint32_t>(bytes_.data() + at_);
        at_ += 4;
        return value;
    }
    QByteArray bytes(std::uint32_t limit, const char* what) {
        const std::uint32_t n = word();
        if (n > limit)
            throw std::runtime_error(std::string("its dice record has a ") + what + " of " +
                                     std::to_string(n) + " bytes");
        need(n, what);
        QByteArray out(bytes_.data() + at_, qsizetype(n));
        at_ += n;
        return out;
    }
    qsizetype left() const { return bytes_.size() - at_; }

private:
    void need(qsizetype n, const char* what) const {
        if (left() < n)
            throw std::runtime_error(std::string("its dice record ends inside ") + what);
    }
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

QByteArray hashOrNothing(Cursor& in, const char* what) {
    QByteArray bytes = in.bytes(dicerecord::kHashSize, what);
    if (!bytes.isEmpty() && bytes.size() != dicerecord::kHashSize)
        throw std::runtime_error(std::string("its dice record has a ") + what + " of " +
                                 std::to_string(bytes.size()) + " bytes, not 32");
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
    rolls.secret = hashOrNothing(in, "secret");
    rolls.openedHash = hashOrNothing(in, "file hash");
    if (DiceRolls::isFixed(rolls.free) && (rolls.secret.isEmpty() || rolls.openedHash.isEmpty()))
        throw std::runtime_error("its fixed dice lack their secret or file hash");
    rolls.made = in.word();
    const std::uint32_t count = in.word();
    // Each roll takes at least 20 bytes: a count beyond them is a lie, caught before use.
    if (rolls.made > kMaxRolls || count > rolls.made || count > std::uint64_t(in.left()) / 20)
        throw std::runtime_error("its dice record counts " + std::to_string(count) + " of " +
                                 std::to_string(rolls.made) + " rolls");
    for (std::uint32_t i = 0; i < count; ++i) {
        DiceRoll roll;
        roll.number = in.word();
        roll.position.x = static_cast<std::int32_t>(in.word());
        roll.position.y = static_cast<std::int32_t>(in.word());
        roll.die = static_cast<std::int32_t>(in.word());
        const QByteArray comment = in.bytes(kMaxComment, "comment");
        roll.comment.assign(comment.constData(), std::size_t(comment.size()));
        if (roll.number > rolls.made || roll.die < 1 || roll.die > 6)
            throw std::runtime_error("its dice record holds roll " + std::to_string(roll.number) +
                                     " with die " + std::to_string(roll.die));
        rolls.rolls.push_back(std::move(roll));
    }
    if (in.left() != 0)
        throw std::runtime_error("its dice record has bytes after its rolls");
    return rolls;
}
