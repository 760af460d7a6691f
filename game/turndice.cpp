#include "game/turndice.h"

#include "combat/dierandom.h"
#include "dice/dicedraw.h"
#include "geometry/zekclick.h"
#include "history/diceevidence.h"
#include "history/dicestore.h"
#include "movefile/korvaextension.h"
#include "movefile/openedmovefile.h"

#include <QCoreApplication>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("TurnDice", text);
}

} // namespace

TurnDice::TurnDice(const GameHistory* history) : history_(history) {}

void TurnDice::reset() {
    free_ = DiceRolls::FirstTurn;
    secret_.clear();
    commitment_.clear();
    openedHash_.clear();
    game_.reset();
    next_ = 1;
    made_.clear();
    madeAt_.clear();
    nextSecret_.clear();
    nextGame_.reset();
    openedTags_.clear();
    openedAt_.clear();
    verdict_.reset();
}

quint64 TurnDice::keyOf(AFPoint position) {
    return (quint64(quint32(position.x)) << 32) | quint32(position.y);
}

std::size_t TurnDice::indexAt(const PositionIndex& index, AFPoint position, std::size_t k) {
    const auto found = index.constFind(keyOf(position));
    if (found == index.cend() || k >= found->size())
        return std::size_t(-1);
    return (*found)[k];
}

void TurnDice::newGame() {
    reset();
}

void TurnDice::opened(const OpenedMoveFile& file) {
    reset();
    openedTags_ = file.contents.tags;
    for (std::size_t i = 0; i < openedTags_.size(); ++i)
        openedAt_[keyOf(openedTags_[i].position)].push_back(i);
    const std::optional<DiceRolls>& record = file.extension.diceRolls;
    DiceEvidence evidence;
    if (history_)
        evidence = diceEvidenceFor(*history_, file);
    else
        evidence.missing = translated("no history is kept");
    verdict_ = verifyDice(record, openedTags_, evidence);

    openedHash_ = dicedraw::sha256(file.bytes);
    game_ = file.extension.gameId;
    if (!record) {
        free_ = DiceRolls::NoKorvaDice;
        return;
    }
    if (record->openedHash.isEmpty())
        return; // the first turn: it answered no file of this player
    free_ = DiceRolls::SecretLost;
    if (!history_ || !game_)
        return;
    // The secret of this player's file that the opened one answered, if still kept.
    const std::optional<OpenedMoveFile> answered =
        keptCopyWithHash(*history_, *game_, record->openedHash);
    if (!answered || !answered->extension.diceCommitment)
        return;
    const DiceStore store(*history_, *game_);
    const std::optional<QByteArray> secret = store.secretFor(*answered->extension.diceCommitment);
    if (!secret)
        return;
    free_ = DiceRolls::Fixed;
    secret_ = *secret;
    commitment_ = *answered->extension.diceCommitment;
    next_ = store.rollsMade(commitment_) + 1;
}

TurnDice::Roll TurnDice::roll(int hex, int offset, QString* warning) {
    Roll roll{next_++, 0};
    if (fixed()) {
        roll.die = dicedraw::drawDie(secret_, openedHash_, roll.number);
        // Kept before it shows: a restart goes on after it.
        DiceStore store(*history_, *game_);
        QString error;
        if (!store.recordRoll(commitment_, roll.number, roll.die, hex, &error) && warning)
            *warning = translated("The dice ledger could not keep roll %1: %2")
                           .arg(roll.number)
                           .arg(error);
    } else {
        roll.die = rollDie(6, 0, offset);
    }
    made_.push_back({roll.number, ZeKClick(hex).position(), roll.die});
    madeAt_[keyOf(made_.back().position)].push_back(made_.size() - 1);
    return roll;
}

std::vector<DiceRoll> TurnDice::listRolls(const std::vector<TagRecord>& ownTags) const {
    // Tags at one position keep their roll order, so the first roll not yet listed with the
    // same position and die is the tag's.
    std::vector<bool> listed(made_.size(), false);
    std::vector<DiceRoll> rolls;
    for (const TagRecord& tag : ownTags) {
        DiceRoll roll{0, tag.position, tag.dieValue, tag.comment};
        for (std::size_t i = 0; i < made_.size(); ++i) {
            if (!listed[i] && made_[i].position == tag.position && made_[i].die == tag.dieValue) {
                listed[i] = true;
                roll.number = made_[i].number;
                break;
            }
        }
        rolls.push_back(std::move(roll));
    }
    return rolls;
}

void TurnDice::addToBlock(KorvaExtension& block, const std::vector<TagRecord>& ownTags,
                          QString* warning) {
    if (nextSecret_.isEmpty() && history_ && block.gameId) {
        const QByteArray secret = dicedraw::newSecret();
        DiceStore store(*history_, *block.gameId);
        QString error;
        if (store.keepSecret(secret, &error)) {
            nextSecret_ = secret;
            nextGame_ = block.gameId;
        } else if (warning)
            *warning = translated("The next turn's dice secret could not be kept, so its dice "
                                  "will roll freely: %1")
                           .arg(error);
    }
    if (!nextSecret_.isEmpty())
        block.diceCommitment = dicedraw::commitmentOf(nextSecret_);
    DiceRolls rolls;
    rolls.free = free_;
    rolls.secret = secret_;
    rolls.openedHash = openedHash_;
    rolls.made = rollsMade();
    rolls.rolls = listRolls(ownTags);
    block.diceRolls = std::move(rolls);
}

void TurnDice::saved(QString* warning) {
    if (!history_ || nextSecret_.isEmpty() || !nextGame_)
        return;
    DiceStore store(*history_, *nextGame_);
    QString error;
    if (!store.keepOnly(dicedraw::commitmentOf(nextSecret_), &error) && warning)
        *warning = translated("The dice ledger could not drop the revealed secret: %1").arg(error);
}

RollMark TurnDice::ownMark(AFPoint position, std::size_t k) const {
    const std::size_t i = indexAt(madeAt_, position, k);
    return i < made_.size() ? RollMark{made_[i].number, false} : RollMark{};
}

RollMark TurnDice::openedMark(AFPoint position, std::size_t k) const {
    const std::size_t i = indexAt(openedAt_, position, k);
    return verdict_ && i < verdict_->marks.size() ? verdict_->marks[i] : RollMark{};
}

QString TurnDice::markText(const RollMark& mark) {
    if (mark.number == 0)
        return {};
    return mark.verified ? translated("roll %1, verified").arg(mark.number)
                         : translated("roll %1").arg(mark.number);
}
