#include "game/serverdice.h"

#include "combat/taggermgr.h"
#include "game/editcommands.h"
#include "game/editstack.h"
#include "game/game.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "history/dicestore.h"
#include "movefile/openedmovefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/witnesschain.h"
#include "turns/turnorder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QtEndian>

namespace {

// The ledger keeps a server game's rolls apart from any secret's: under a key no commitment
// can be, made of the game and the move.
QByteArray ledgerKey(const GameId& game, std::uint32_t move) {
    QByteArray bytes("korva server rolls ");
    bytes.append(reinterpret_cast<const char*>(game.bytes().data()), GameId::kSize);
    char be[4];
    qToBigEndian(move, be);
    bytes.append(be, 4);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

std::string commentOf(const QByteArray& bytes) {
    return bytes.toStdString();
}

} // namespace

ServerDice::ServerDice(Game& game, EditStack& edits, TurnDice& dice, const GameHistory* history,
                       QObject* parent)
    : QObject(parent), game_(game), edits_(edits), dice_(dice), history_(history) {}

ServerDice::~ServerDice() = default;

void ServerDice::setRegistry(ServerGames registry) {
    registry_ = std::move(registry);
}

std::optional<ServerGameEntry> ServerDice::serverGame() const {
    const std::optional<GameId>& id = game_.turn().gameId();
    return id ? registry_.find(*id) : std::nullopt;
}

bool ServerDice::isServerGame() const {
    return serverGame().has_value();
}

std::uint32_t ServerDice::currentMove() const {
    const std::optional<TurnRecord>& record = game_.turn().order().record();
    return record ? std::uint32_t(movesBefore(*record) + 1) : 0;
}

std::optional<ServerDice::WitnessAsk> ServerDice::nextWitnessAsk(int hex,
                                                                 const std::string& comment) const {
    const std::optional<ServerGameEntry> entry = serverGame();
    const std::uint32_t move = currentMove();
    if (!entry || move == 0)
        return std::nullopt;
    return WitnessAsk{entry->game, int(move), int(rolls_.size() + 1), hex,
                      QByteArray::fromStdString(comment)};
}

QString ServerDice::refusal(const WitnessedRoll& roll, const WitnessAsk& ask) const {
    const std::optional<ServerGameEntry> entry = serverGame();
    if (!entry || entry->game != ask.game)
        return QCoreApplication::translate("ServerDice",
                                           "this is not the server game the die was asked for");
    if (!witnesschain::signatureValid(roll, entry->publicKey))
        return QCoreApplication::translate(
            "ServerDice", "the record is not signed by the server's key pinned for this game");
    if (roll.game != ask.game.bytes() || std::int64_t(roll.turn) != ask.turn ||
        std::int64_t(roll.number) != ask.number || roll.hex != ask.hex ||
        roll.commentHash != witnesschain::commentHash(commentOf(ask.comment)))
        return QCoreApplication::translate("ServerDice",
                                           "the record is not of the roll that was asked");
    if (ask.turn != std::int64_t(currentMove()) || ask.number != std::int64_t(rolls_.size() + 1))
        return QCoreApplication::translate("ServerDice",
                                           "the roll asked is not the next one of this move");
    if (!rolls_.empty() && roll.previous != witnesschain::chainHash(rolls_.back().record))
        return QCoreApplication::translate("ServerDice",
                                           "the record does not follow the move's roll before it");
    return {};
}

ServerDice::WitnessTaken ServerDice::takeWitnessedRoll(const WitnessAsk& ask,
                                                       const QByteArray& record) {
    WitnessedRoll roll;
    try {
        roll = witnessrecord::decode(record);
    } catch (const std::exception& error) {
        return {0, QCoreApplication::translate("ServerDice", "the server's record is damaged: %1")
                       .arg(QString::fromUtf8(error.what()))};
    }
    if (const QString why = refusal(roll, ask); !why.isEmpty())
        return {0, why};
    take(roll, commentOf(ask.comment), false);
    return {int(roll.die), {}};
}

void ServerDice::take(const WitnessedRoll& roll, std::string comment, bool combatNow) {
    Taken& taken = rolls_.emplace_back(Taken{roll, std::move(comment)});
    keepInLedger(taken);
    const int hex = roll.hex;
    const int die = int(roll.die);
    dice_.addWitnessed(roll.number, hex, die, taken.comment);
    if (combatNow)
        game_.addCombat({ZeKClick(hex).position(), die, taken.comment});
    // What the die was rolled on stays: the roll is the line no undo crosses.
    edits_.pushFrozen(editcommands::roll(game_, hex, roll.number, die, !combatNow));
}

void ServerDice::keepInLedger(const Taken& taken) {
    const std::optional<GameId> game = GameId::fromBytes(taken.record.game);
    if (!history_ || !game)
        return;
    const QByteArray key = ledgerKey(*game, taken.record.turn);
    QString error;
    if (!DiceStore(*history_, *game)
             .recordRoll({key, key, taken.record.number, int(taken.record.die), taken.record.hex,
                          taken.comment},
                         &error))
        emit warning(QCoreApplication::translate(
                         "ServerDice", "The dice ledger could not keep the comment of roll %1: %2")
                         .arg(taken.record.number)
                         .arg(error));
}

std::vector<std::string> ServerDice::ledgerComments(const GameId& game, std::uint32_t move) const {
    std::vector<std::string> comments;
    if (!history_)
        return comments;
    const QByteArray key = ledgerKey(game, move);
    for (const DiceStore::Roll& roll : DiceStore(*history_, game).rollsOf(key, key)) {
        if (roll.number > comments.size())
            comments.resize(roll.number);
        comments[roll.number - 1] = roll.comment;
    }
    return comments;
}

bool ServerDice::follows(const WitnessedRoll& roll, const ServerGameEntry& entry,
                         std::uint32_t move) const {
    return witnesschain::signatureValid(roll, entry.publicKey) && roll.game == entry.game.bytes() &&
           roll.turn == move && roll.number == rolls_.size() + 1 &&
           (rolls_.empty() || roll.previous == witnesschain::chainHash(rolls_.back().record));
}

int ServerDice::recoverWitnessed(const std::vector<WitnessedRoll>& serverLog) {
    const std::optional<ServerGameEntry> entry = serverGame();
    const std::uint32_t move = currentMove();
    if (!entry || move == 0)
        return 0;
    const std::vector<std::string> comments = ledgerComments(entry->game, move);
    int recovered = 0;
    for (const WitnessedRoll& roll : serverLog) {
        if (roll.turn != move || roll.number <= rolls_.size())
            continue; // the game has it already
        if (!follows(roll, *entry, move))
            break; // the rest cannot be placed; the verdict on the saved file will name it
        const std::size_t i = roll.number - 1;
        std::string comment = i < comments.size() ? comments[i] : std::string();
        if (witnesschain::commentHash(comment) != roll.commentHash) {
            emit warning(QCoreApplication::translate(
                             "ServerDice",
                             "The comment of roll %1 was lost with the crash; the server's "
                             "record of it will not match its combat.")
                             .arg(roll.number));
            comment.clear();
        }
        take(roll, std::move(comment), true);
        ++recovered;
    }
    return recovered;
}

void ServerDice::checkWithServerLog(const std::vector<WitnessedRoll>& serverLog) {
    if (!openedWitness_)
        return;
    WitnessExpectation expected = *openedWitness_;
    std::vector<WitnessedRoll> ofMove;
    for (const WitnessedRoll& roll : serverLog)
        if (roll.turn == expected.turn)
            ofMove.push_back(roll);
    expected.serverLog = std::move(ofMove);
    dice_.setOpenedVerdict(rollsVerdict(openedBlock_, openedTags_, DiceEvidence{}, expected));
    emit diceVerdictChanged();
}

std::string ServerDice::commentOfRollAt(int hex, const std::string& wanted) const {
    for (auto taken = rolls_.crbegin(); taken != rolls_.crend(); ++taken)
        if (taken->record.hex == hex)
            return taken->comment;
    return wanted;
}

std::optional<WitnessExpectation>
ServerDice::expectationFor(const OpenedMoveFile& file, const std::optional<GameId>& game) const {
    return witnessExpectation(registry_, game, file.extension);
}

void ServerDice::opened(const OpenedMoveFile& file,
                        const std::optional<WitnessExpectation>& witness, bool ownFile) {
    reset();
    openedWitness_ = witness;
    if (!witness)
        return;
    openedBlock_ = file.extension;
    openedTags_ = file.contents.tags;
    const std::optional<ServerGameEntry> entry = serverGame();
    if (!ownFile || !entry || !file.extension.witnessedRolls)
        return;
    // The player's own file goes on with the rolls of its move, each paired with its combat.
    const std::vector<WitnessedRoll>& rolls = *file.extension.witnessedRolls;
    const std::uint32_t move = currentMove();
    for (std::size_t i = 0; i < rolls.size() && i < openedTags_.size(); ++i) {
        if (!follows(rolls[i], *entry, move))
            break;
        rolls_.push_back({rolls[i], openedTags_[i].comment});
        dice_.addWitnessed(rolls[i].number, rolls[i].hex, int(rolls[i].die),
                           openedTags_[i].comment);
    }
}

void ServerDice::reset() {
    rolls_.clear();
    openedBlock_ = {};
    openedTags_.clear();
    openedWitness_.reset();
}

void ServerDice::turnEnded() {
    rolls_.clear();
}

void ServerDice::addToBlock(KorvaExtension& block, const std::vector<TagRecord>& ownTags) const {
    // The k-th own combat at a hex is the k-th roll taken there.
    QHash<int, std::vector<std::size_t>> at;
    for (std::size_t i = 0; i < rolls_.size(); ++i)
        at[rolls_[i].record.hex].push_back(i);
    QHash<int, std::size_t> seen;
    std::vector<WitnessedRoll> records;
    for (const TagRecord& tag : ownTags) {
        const int hex = hexgrid::hexAtPosition(tag.position);
        const std::vector<std::size_t>& there = at[hex];
        const std::size_t k = seen[hex]++;
        if (k < there.size())
            records.push_back(rolls_[there[k]].record);
    }
    block.witnessedRolls = std::move(records);
    block.diceRolls.reset();
    block.diceCommitment.reset();
}
