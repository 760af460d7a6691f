#include "game/turndice.h"

#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "dice/dicedraw.h"
#include "geometry/hexgrid.h"
#include "history/diceevidence.h"
#include "history/dicestore.h"
#include "movefile/korvaextension.h"
#include "movefile/openedmovefile.h"
#include "netplay/rollsverdict.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <algorithm>

namespace {

void addNote(QString* warning, const QString& note) {
    if (!warning || note.isEmpty())
        return;
    if (!warning->isEmpty())
        *warning += QLatin1Char(' ');
    *warning += note;
}

} // namespace

TurnDice::TurnDice(const GameHistory* history, std::uint32_t seed)
    : history_(history), random_(seed) {}

void TurnDice::traceRolls() {
    TraceDieRolls(random_);
}

void TurnDice::reset() {
    free_ = DiceRolls::FirstTurn;
    secret_.clear();
    commitment_.clear();
    openedHash_.clear();
    game_.reset();
    next_ = 1;
    made_.clear();
    madeAt_.clear();
    recovered_.clear();
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

void TurnDice::addMade(Made made) {
    madeAt_[keyOf(made.position)].push_back(made_.size());
    made_.push_back(std::move(made));
}

void TurnDice::opened(const OpenedMoveFile& file, const OpenedAs& as, QString* warning) {
    reset();
    game_ = as.game;
    openedHash_ = dicedraw::sha256(file.bytes);
    if (as.ownFile) {
        goOnWith(file, warning);
        return;
    }
    openedTags_ = file.contents.tags;
    for (std::size_t i = 0; i < openedTags_.size(); ++i)
        openedAt_[keyOf(openedTags_[i].position)].push_back(i);
    DiceEvidence evidence;
    if (as.keptApart)
        evidence.missing = QCoreApplication::translate(
            "TurnDice", "the file claims the id of another of your games");
    else if (history_)
        evidence = diceEvidenceFor(*history_, file, as.followedGame ? as.followedGame : as.game);
    else
        evidence.missing = QCoreApplication::translate("TurnDice", "no history is kept");
    verdict_ = rollsVerdict(file, evidence, as.witness);
    if (as.keptApart)
        game_.reset(); // nothing of the game it claims is touched
    else if (!as.witness)
        drawFor(file, warning); // a server game's dice are the server's alone
}

void TurnDice::goOnWith(const OpenedMoveFile& file, QString* warning) {
    const std::optional<DiceRolls>& record = file.extension.diceRolls;
    // Nothing of the opponent's to check: the player's own rolls.
    verdict_ = DiceVerdict{};
    verdict_->why = QCoreApplication::translate("TurnDice", "it is a file you saved yourself");
    if (!record) {
        // Saved by a Korva that kept no dice: its turn rolls as it did.
        free_ = DiceRolls::NoKorvaDice;
        openedHash_.clear();
        return;
    }
    verdict_->made = record->made;
    free_ = record->free;
    openedHash_ = record->openedHash;
    secret_ = record->secret;
    if (DiceRolls::isFixed(free_))
        commitment_ = dicedraw::commitmentOf(secret_);
    // The combats of the file are this turn's own, with the rolls its record lists.
    for (const DiceRoll& roll : record->rolls)
        addMade({roll.number, roll.position, roll.die, roll.comment});
    next_ = record->made + 1;
    if (history_ && game_) {
        const DiceStore store(*history_, *game_);
        QString note;
        if (file.extension.diceCommitment)
            if (std::optional<QByteArray> secret =
                    store.secretFor(*file.extension.diceCommitment, &note)) {
                nextSecret_ = *secret;
                nextGame_ = game_;
            }
        addNote(warning, note);
    }
    if (fixed())
        recoverFromLedger(warning);
}

void TurnDice::drawFor(const OpenedMoveFile& file, QString* warning) {
    const std::optional<DiceRolls>& record = file.extension.diceRolls;
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
    const std::optional<KeptCopy> answered =
        keptCopyWithHash(*history_, *game_, record->openedHash);
    if (!answered || !answered->file.extension.diceCommitment)
        return;
    const DiceStore store(*history_, *game_);
    QString note;
    const std::optional<QByteArray> secret =
        store.secretFor(*answered->file.extension.diceCommitment, &note);
    addNote(warning, note);
    if (!secret)
        return;
    free_ = answered->file.extension.diceCommitmentPerCombat ? DiceRolls::FixedPerCombat
                                                             : DiceRolls::Fixed;
    secret_ = *secret;
    commitment_ = *answered->file.extension.diceCommitment;
    recoverFromLedger(warning);
}

void TurnDice::recoverFromLedger(QString* warning) {
    if (!history_ || !game_)
        return;
    const DiceStore store(*history_, *game_);
    QString note;
    const std::vector<DiceStore::Roll> ledger = store.rollsOf(commitment_, openedHash_, &note);
    addNote(warning, note);
    // A roll at the most a file can list leaves no number for the next: every save of the
    // turn would fail. Korva never gets there; such a ledger is not taken.
    if (!ledger.empty() && ledger.back().number >= dicerecord::kMaxRolls) {
        addNote(warning, QCoreApplication::translate(
                             "TurnDice", "The dice ledger %1 holds roll %2 of this turn, more "
                                         "than a move file can list: its rolls of this turn were "
                                         "not taken.")
                             .arg(QDir::toNativeSeparators(store.path()))
                             .arg(ledger.back().number));
        return;
    }
    QSet<std::uint32_t> known;
    for (const Made& made : made_)
        known.insert(made.number);
    for (const DiceStore::Roll& roll : ledger) {
        next_ = std::max(next_, roll.number + 1);
        // Rolls of an earlier Korva's ledger carry no comment and no file: they only count.
        if (known.contains(roll.number) || roll.openedHash.isEmpty())
            continue;
        recovered_.push_back({roll.number, roll.hex, roll.die, roll.comment});
        addMade({roll.number, hexgrid::hexPosition(roll.hex), roll.die, roll.comment});
    }
}

TurnDice::Roll TurnDice::roll(int hex, int offset, const std::string& comment, QString* warning) {
    Roll roll{next_++, 0};
    if (fixed()) {
        roll.die = free_ == DiceRolls::FixedPerCombat
                       ? dicedraw::drawDieForCombat(secret_, openedHash_, roll.number, hex)
                       : dicedraw::drawDie(secret_, openedHash_, roll.number);
        // Kept before it shows: a restart goes on after it and brings it back.
        QString error = QCoreApplication::translate("TurnDice", "no history is kept");
        if (!history_ || !game_ ||
            !DiceStore(*history_, *game_)
                 .recordRoll({commitment_, openedHash_, roll.number, roll.die, hex, comment},
                             &error))
            addNote(warning, QCoreApplication::translate(
                                 "TurnDice", "The dice ledger could not keep roll %1: %2")
                                 .arg(roll.number)
                                 .arg(error));
    } else {
        roll.die = rollDie(random_, 6, 0, offset);
    }
    addMade({roll.number, hexgrid::hexPosition(hex), roll.die, comment});
    return roll;
}

void TurnDice::addWitnessed(std::uint32_t number, int hex, int die, const std::string& comment) {
    next_ = std::max(next_, number + 1);
    addMade({number, hexgrid::hexPosition(hex), die, comment});
}

void TurnDice::combatRecorded(int hex, const std::string& comment, QString* warning) {
    const auto found = madeAt_.constFind(keyOf(hexgrid::hexPosition(hex)));
    if (found == madeAt_.cend() || found->empty())
        return;
    Made& made = made_[found->back()];
    if (made.comment == comment)
        return;
    made.comment = comment;
    if (!fixed() || !history_ || !game_)
        return;
    QString error;
    if (!DiceStore(*history_, *game_)
             .recordRoll({commitment_, openedHash_, made.number, made.die, hex, comment}, &error))
        addNote(warning,
                QCoreApplication::translate(
                    "TurnDice", "The dice ledger could not keep the comment of roll %1: %2")
                    .arg(made.number)
                    .arg(error));
}

std::vector<DiceRoll> TurnDice::listRolls(const std::vector<TagRecord>& ownTags) const {
    // The k-th own tag at a position is the k-th roll made there: tags at one position keep
    // their roll order.
    QHash<quint64, std::size_t> seen;
    std::vector<DiceRoll> rolls;
    rolls.reserve(ownTags.size());
    for (const TagRecord& tag : ownTags) {
        DiceRoll roll{0, tag.position, tag.dieValue, tag.comment};
        const std::size_t i = indexAt(madeAt_, tag.position, seen[keyOf(tag.position)]++);
        if (i < made_.size() && made_[i].die == tag.dieValue)
            roll.number = made_[i].number;
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
        } else {
            addNote(warning,
                    QCoreApplication::translate(
                        "TurnDice", "The next turn's dice secret could not be kept, so its "
                                    "dice will roll freely: %1")
                        .arg(error));
        }
    }
    if (!nextSecret_.isEmpty()) {
        block.diceCommitment = dicedraw::commitmentOf(nextSecret_);
        block.diceCommitmentPerCombat = true;
    }
    DiceRolls rolls;
    rolls.free = free_;
    rolls.secret = secret_;
    rolls.openedHash = openedHash_;
    rolls.rolls = listRolls(ownTags);
    // A combat no roll of this turn accounts for (one of a file saved without dice) is still
    // listed, so the count never falls below the list, as the reader requires.
    rolls.made = std::max<std::uint32_t>(rollsMade(), std::uint32_t(rolls.rolls.size()));
    block.diceRolls = std::move(rolls);
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
    if (mark.refuted)
        return QCoreApplication::translate("TurnDice", "roll %1, does not match").arg(mark.number);
    if (mark.witnessed)
        return QCoreApplication::translate("TurnDice", "roll %1, witnessed").arg(mark.number);
    return mark.verified
               ? QCoreApplication::translate("TurnDice", "roll %1, verified").arg(mark.number)
               : QCoreApplication::translate("TurnDice", "roll %1").arg(mark.number);
}
