#include "movefile/korvaextension.h"

#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"
#include "movefile/movefilecontents.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QtEndian>

#include <stdexcept>
#include <string>
#include <utility>

namespace {

using namespace korvaext;

constexpr qsizetype kPlaceSize = 8;
constexpr qsizetype kRecordHeaderSize = 8;

void appendWord(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendRecord(QByteArray& out, std::uint32_t type, const QByteArray& body) {
    appendWord(out, type);
    appendWord(out, static_cast<std::uint32_t>(body.size()));
    out.append(body);
}

std::uint32_t wordAt(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

// Thrown inside the reader; the whole block is then ignored with the reason.
class Damaged : public std::runtime_error {
public:
    explicit Damaged(const QString& why) : std::runtime_error(why.toStdString()) {}
};

std::vector<CounterPlace> readTurnStart(QByteArrayView body) {
    const auto& rows = orderOfBattleRows();
    if (body.size() != qsizetype(rows.size()) * kPlaceSize)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "its turn start has %1 bytes, not %2")
                .arg(body.size())
                .arg(rows.size() * kPlaceSize)};
    std::vector<CounterPlace> places;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const qsizetype at = qsizetype(i) * kPlaceSize;
        const auto hex = static_cast<std::int32_t>(wordAt(body, at));
        const auto state = static_cast<std::int32_t>(wordAt(body, at + 4));
        const CounterRecord split = CounterRecord::fromWords(hex, hex, state);
        if (!hexgrid::isValidHex(hex) || split.marker < 0 || split.marker > 2 || split.losses < 0 ||
            split.losses > rows[i].steps)
            throw Damaged{
                QCoreApplication::translate(
                    "KorvaExtension",
                    "its turn start of counter %1 lies outside the map or the counter's steps")
                    .arg(i + 1)};
        places.push_back({hex, split.losses, split.marker});
    }
    return places;
}

GameId readGameId(QByteArrayView body) {
    if (body.size() != GameId::kSize)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "its game id has %1 bytes, not 16")
                .arg(body.size())};
    GameId::Bytes bytes{};
    std::copy(body.begin(), body.end(), bytes.begin());
    const std::optional<GameId> id = GameId::fromBytes(bytes);
    if (!id)
        throw Damaged{QCoreApplication::translate("KorvaExtension", "its game id is all zero")};
    return *id;
}

QString readNote(QByteArrayView body) {
    if (body.size() > kMaxNoteSize)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "its note is longer than 64 KB")};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString note = utf8.decode(body);
    if (utf8.hasError())
        throw Damaged{QCoreApplication::translate("KorvaExtension", "its note is not UTF-8 text")};
    return note;
}

Side readSide(std::uint32_t word) {
    if (word > 1)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "its turn names side %1, not 0 or 1")
                .arg(word)};
    return word == 0 ? Side::First : Side::Second;
}

TurnRecord readTurn(QByteArrayView body) {
    if (body.size() != 12)
        throw Damaged{QCoreApplication::translate("KorvaExtension", "its turn has %1 bytes, not 12")
                          .arg(body.size())};
    const std::uint32_t number = wordAt(body, 0);
    if (number < 1 || number > TurnRecord::kMaxNumber)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "its turn number %1 is not 1 to 9999")
                .arg(number)};
    return {int(number), readSide(wordAt(body, 4)), readSide(wordAt(body, 8))};
}

// A name as cleanPlayerName keeps it: UTF-8, one plain line of at most 40 characters.
QString readName(QByteArrayView body) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = utf8.decode(body);
    if (utf8.hasError() || cleanPlayerName(name) != name)
        throw Damaged{QCoreApplication::translate(
            "KorvaExtension", "a name is not a plain line of at most 40 characters")};
    return name;
}

KorvaVersion readWriter(QByteArrayView body) {
    if (body.size() != 12)
        throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                  "its writer's version has %1 bytes, not 12")
                          .arg(body.size())};
    return {{wordAt(body, 0), wordAt(body, 4), wordAt(body, 8)}};
}

PlayerNames readPlayers(QByteArrayView body) {
    PlayerNames players;
    qsizetype at = 0;
    for (QString* name : {&players.first, &players.second}) {
        if (body.size() - at < 4)
            throw Damaged{
                QCoreApplication::translate("KorvaExtension", "its players' names end early")};
        const std::uint32_t length = wordAt(body, at);
        at += 4;
        // Four bytes of UTF-8 at most per character.
        if (length > std::uint32_t(body.size() - at) || length > 4 * PlayerNames::kMaxLength)
            throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                      "a player's name runs past its record")};
        *name = readName(body.sliced(at, qsizetype(length)));
        at += qsizetype(length);
    }
    if (at != body.size())
        throw Damaged{QCoreApplication::translate(
            "KorvaExtension", "its players' record is longer than the two names")};
    return players;
}

void refuseSecond(bool seen, std::uint32_t type) {
    if (seen)
        throw Damaged{
            QCoreApplication::translate("KorvaExtension", "it holds a record of type %1 twice")
                .arg(type)};
}

// The dice's records into `extension`; false for a record of another kind.
bool readDiceRecord(std::uint32_t type, QByteArrayView body, KorvaExtension& extension) {
    switch (type) {
    case kDiceCommitmentRecord:
    case kDicePerCombatCommitmentRecord:
        if (extension.diceCommitment)
            throw Damaged{
                QCoreApplication::translate("KorvaExtension", "it holds two dice commitments")};
        if (body.size() != dicerecord::kHashSize)
            throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                      "its dice commitment has %1 bytes, not 32")
                              .arg(body.size())};
        extension.diceCommitment = body.toByteArray();
        extension.diceCommitmentPerCombat = type == kDicePerCombatCommitmentRecord;
        return true;
    case kDiceRollsRecord:
        refuseSecond(extension.diceRolls.has_value(), type);
        try {
            extension.diceRolls = dicerecord::decode(body);
        } catch (const std::runtime_error& error) {
            throw Damaged{QString::fromStdString(error.what())};
        }
        return true;
    case kWitnessedRollsRecord:
        refuseSecond(extension.witnessedRolls.has_value(), type);
        try {
            extension.witnessedRolls = witnessrecord::decodeList(body);
        } catch (const std::runtime_error& error) {
            throw Damaged{QString::fromStdString(error.what())};
        }
        return true;
    default:
        return false;
    }
}

// The records whose absence leaves nothing unset to tell them by.
struct RecordsSeen {
    bool note = false;
    bool players = false;
    bool name = false;
};

void readRecord(std::uint32_t type, QByteArrayView body, KorvaExtension& extension,
                RecordsSeen& seen) {
    if (readDiceRecord(type, body, extension))
        return;
    switch (type) {
    case kTurnStartRecord:
        refuseSecond(extension.turnStart.has_value(), type);
        extension.turnStart = readTurnStart(body);
        break;
    case kGameIdRecord:
        refuseSecond(extension.gameId.has_value(), type);
        extension.gameId = readGameId(body);
        break;
    case kNoteRecord:
        refuseSecond(std::exchange(seen.note, true), type);
        extension.note = readNote(body);
        break;
    case kTurnRecord:
        refuseSecond(extension.turn.has_value(), type);
        extension.turn = readTurn(body);
        break;
    case kPlayersRecord:
        refuseSecond(std::exchange(seen.players, true), type);
        extension.players = readPlayers(body);
        break;
    case kWriterRecord:
        refuseSecond(extension.writer.has_value(), type);
        extension.writer = readWriter(body);
        break;
    case kGameNameRecord:
        refuseSecond(std::exchange(seen.name, true), type);
        extension.gameName = readName(body);
        break;
    default: // a later Korva's record: skipped, and the player told
        extension.unknownRecords = true;
        break;
    }
}

KorvaExtension readRecords(QByteArrayView records) {
    KorvaExtension extension;
    RecordsSeen seen;
    qsizetype at = 0;
    while (at < records.size()) {
        if (records.size() - at < kRecordHeaderSize)
            throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                      "it ends inside a record's type and length")};
        const std::uint32_t type = wordAt(records, at);
        const std::uint32_t length = wordAt(records, at + 4);
        at += kRecordHeaderSize;
        if (length > std::uint64_t(records.size() - at))
            throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                      "a record of type %1 runs past its end")
                              .arg(type)};
        readRecord(type, records.sliced(at, qsizetype(length)), extension, seen);
        at += qsizetype(length);
    }
    return extension;
}

KorvaExtension readBlock(QByteArrayView bytes) {
    if (bytes.size() < kHeaderSize)
        throw Damaged{QCoreApplication::translate("KorvaExtension", "it ends inside its header")};
    const std::uint32_t version = wordAt(bytes, kMagicSize);
    const std::uint32_t length = wordAt(bytes, kMagicSize + 4);
    if (std::uint64_t(length) + kHeaderSize > std::uint64_t(kMaxBlockSize))
        throw Damaged{QCoreApplication::translate("KorvaExtension", "it is larger than 1 MB")};
    if (length > std::uint64_t(bytes.size() - kHeaderSize))
        throw Damaged{QCoreApplication::translate("KorvaExtension", "it ends early")};
    if (version != kVersion)
        throw Damaged{QCoreApplication::translate("KorvaExtension",
                                                  "it has version %1, which this Korva cannot read")
                          .arg(version)};
    return readRecords(bytes.sliced(kHeaderSize, qsizetype(length)));
}

QByteArray turnStartBody(const std::vector<CounterPlace>& places) {
    if (places.size() != orderOfBattleRows().size())
        throw MoveFileError(QCoreApplication::translate("KorvaExtension",
                                                        "the turn start holds %1 counters, not %2")
                                .arg(places.size())
                                .arg(orderOfBattleRows().size())
                                .toStdString());
    QByteArray body;
    for (const CounterPlace& place : places) {
        appendWord(body, static_cast<std::uint32_t>(place.hex));
        const CounterRecord record{place.hex, place.hex, place.losses, place.marker};
        appendWord(body, static_cast<std::uint32_t>(record.stateWord()));
    }
    return body;
}

QByteArray turnBody(const TurnRecord& turn) {
    if (turn.number < 1 || turn.number > TurnRecord::kMaxNumber)
        throw MoveFileError(
            QCoreApplication::translate("KorvaExtension", "the turn number %1 is not 1 to 9999")
                .arg(turn.number)
                .toStdString());
    QByteArray body;
    appendWord(body, std::uint32_t(turn.number));
    appendWord(body, turn.toMove == Side::First ? 0 : 1);
    appendWord(body, turn.movesFirst == Side::First ? 0 : 1);
    return body;
}

QByteArray playersBody(const PlayerNames& players) {
    QByteArray body;
    for (const QString* name : {&players.first, &players.second}) {
        if (cleanPlayerName(*name) != *name)
            throw MoveFileError(QCoreApplication::translate(
                                    "KorvaExtension",
                                    "a player's name is not a plain line of at most 40 characters")
                                    .toStdString());
        const QByteArray utf8 = name->toUtf8();
        appendWord(body, std::uint32_t(utf8.size()));
        body.append(utf8);
    }
    return body;
}

// The dice's records, appended to `records`.
void appendDice(QByteArray& records, const KorvaExtension& extension) {
    if (extension.diceCommitment) {
        if (extension.diceCommitment->size() != dicerecord::kHashSize)
            throw MoveFileError(
                QCoreApplication::translate("KorvaExtension", "the dice commitment is not 32 bytes")
                    .toStdString());
        appendRecord(records,
                     extension.diceCommitmentPerCombat ? kDicePerCombatCommitmentRecord
                                                       : kDiceCommitmentRecord,
                     *extension.diceCommitment);
    }
    if (extension.diceRolls)
        appendRecord(records, kDiceRollsRecord, dicerecord::encode(*extension.diceRolls));
}

// The records behind the block's header, checked by reading them back.
QByteArray blockOf(const QByteArray& records) {
    QByteArray block(kMagic, kMagicSize);
    appendWord(block, kVersion);
    appendWord(block, static_cast<std::uint32_t>(records.size()));
    block.append(records);
    // The reader's own rules (a roll numbered beyond the rolls made, a block over 1 MB) are
    // checked by the reader itself, so the two never disagree.
    try {
        readBlock(block);
    } catch (const Damaged& damaged) {
        throw MoveFileError(QCoreApplication::translate("KorvaExtension",
                                                        "Korva's own data would not read back: %1")
                                .arg(QString::fromStdString(damaged.what()))
                                .toStdString());
    }
    return block;
}

} // namespace

QByteArray encodeKorvaExtension(const KorvaExtension& extension) {
    if (extension.isEmpty())
        return {};
    QByteArray records;
    if (extension.turnStart)
        appendRecord(records, kTurnStartRecord, turnStartBody(*extension.turnStart));
    if (extension.gameId) {
        const GameId::Bytes& id = extension.gameId->bytes();
        appendRecord(records, kGameIdRecord,
                     QByteArray(reinterpret_cast<const char*>(id.data()), GameId::kSize));
    }
    if (!extension.note.isEmpty()) {
        const QByteArray note = extension.note.toUtf8();
        if (note.size() > kMaxNoteSize)
            throw MoveFileError(
                QCoreApplication::translate("KorvaExtension", "the note is longer than 64 KB")
                    .toStdString());
        appendRecord(records, kNoteRecord, note);
    }
    if (extension.turn)
        appendRecord(records, kTurnRecord, turnBody(*extension.turn));
    if (!extension.players.isEmpty())
        appendRecord(records, kPlayersRecord, playersBody(extension.players));
    appendDice(records, extension);
    if (extension.writer) {
        QByteArray body;
        for (const std::uint32_t number : extension.writer->numbers)
            appendWord(body, number);
        appendRecord(records, kWriterRecord, body);
    }
    if (!extension.gameName.isEmpty())
        appendRecord(records, kGameNameRecord, extension.gameName.toUtf8());
    if (extension.witnessedRolls)
        appendRecord(records, kWitnessedRollsRecord,
                     witnessrecord::encodeList(*extension.witnessedRolls));
    return blockOf(records);
}

KorvaExtensionRead parseKorvaExtension(QByteArrayView afterBanners) {
    const QByteArrayView magic(kMagic, kMagicSize);
    // A file cut inside the magic is a cut block; anything else is not Korva's.
    const qsizetype compared = std::min(afterBanners.size(), kMagicSize);
    if (compared == 0 || afterBanners.first(compared) != magic.first(compared))
        return {};
    try {
        return {readBlock(afterBanners), {}, true, {}};
    } catch (const Damaged& damaged) {
        const QString why = QString::fromStdString(damaged.what());
        return {{},
                QCoreApplication::translate(
                    "KorvaExtension",
                    "Korva's own data in this file was ignored: %1; the position, "
                    "combats and banners are read as usual.")
                    .arg(why),
                true,
                why};
    }
}

KorvaVersion KorvaVersion::current() {
    return {{KORVA_VERSION_NUMBERS}};
}

QString KorvaVersion::text() const {
    QString text = QStringLiteral("%1.%2").arg(numbers[0]).arg(numbers[1]);
    if (numbers[2] != 0)
        text += QStringLiteral(".%1").arg(numbers[2]);
    return text;
}

QString korvaext::unknownRecordsNote(const std::optional<KorvaVersion>& writer,
                                     bool unknownRecords) {
    if (!unknownRecords)
        return {};
    if (!writer)
        return QCoreApplication::translate(
            "KorvaExtension",
            "This file holds data of a later Korva: some of its data is not shown.");
    if (*writer > KorvaVersion::current())
        return QCoreApplication::translate(
                   "KorvaExtension",
                   "This file was made by Korva %1, newer than this one: some of its "
                   "data is not shown.")
            .arg(writer->text());
    return QCoreApplication::translate(
               "KorvaExtension",
               "This file was made by Korva %1 and holds data this one does not know: "
               "some of its data is not shown.")
        .arg(writer->text());
}
