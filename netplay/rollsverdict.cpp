#include "netplay/rollsverdict.h"

#include "movefile/openedmovefile.h"
#include "netplay/servergames.h"
#include "turns/turnorder.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The server's verdict in the words and marks every view shows.
DiceVerdict fromWitness(const WitnessVerdict& witnessed, std::size_t fileRolls,
                        std::size_t combats) {
    DiceVerdict verdict;
    verdict.byServer = true;
    verdict.made = std::uint32_t(fileRolls);
    verdict.roll = witnessed.roll;
    verdict.why = witnessed.why;
    verdict.kind = witnessed.kind == WitnessVerdict::Kind::Witnessed ? DiceVerdict::Kind::Verified
                   : witnessed.kind == WitnessVerdict::Kind::Missing ? DiceVerdict::Kind::Missing
                                                                     : DiceVerdict::Kind::Mismatch;
    verdict.marks.resize(combats);
    // The k-th combat is the k-th roll; a whole file that does not match vouches for none.
    const std::size_t paired = std::min(fileRolls, combats);
    for (std::size_t i = 0; i < paired; ++i) {
        RollMark& mark = verdict.marks[i];
        mark.number = std::uint32_t(i + 1);
        mark.witnessed = mark.verified = witnessed.witnessed();
        mark.refuted = !witnessed.witnessed() && mark.number == witnessed.roll &&
                       witnessed.kind == WitnessVerdict::Kind::Mismatch;
    }
    return verdict;
}

DiceVerdict localDiceInServerGame(const DiceRolls& local, std::size_t combats) {
    DiceVerdict verdict;
    verdict.byServer = true;
    verdict.kind = DiceVerdict::Kind::Mismatch;
    verdict.made = local.made;
    verdict.marks.resize(combats);
    verdict.why =
        QCoreApplication::translate("RollsVerdict", "its dice were rolled on a player's computer");
    return verdict;
}

} // namespace

DiceVerdict rollsVerdict(const KorvaExtension& block, const std::vector<TagRecord>& tags,
                         const DiceEvidence& evidence,
                         const std::optional<WitnessExpectation>& witness) {
    if (witness) {
        // A file that made the game a server game may carry an empty local record; any local
        // roll in a server game is one the server never saw.
        if (block.diceRolls && (block.diceRolls->made > 0 || !block.diceRolls->rolls.empty()))
            return localDiceInServerGame(*block.diceRolls, tags.size());
        const WitnessVerdict witnessed = verifyWitnessed(block.witnessedRolls, tags, *witness);
        return fromWitness(witnessed, block.witnessedRolls ? block.witnessedRolls->size() : 0,
                           tags.size());
    }
    if (block.witnessedRolls) {
        DiceVerdict verdict;
        verdict.marks.resize(tags.size());
        verdict.made = std::uint32_t(block.witnessedRolls->size());
        verdict.why = QCoreApplication::translate(
            "RollsVerdict", "its rolls were witnessed by a Korva server, but this is not a game "
                            "you play through a server, so no key of its server is at hand");
        return verdict;
    }
    return verifyDice(block.diceRolls, tags, evidence);
}

DiceVerdict rollsVerdict(const OpenedMoveFile& file, const DiceEvidence& evidence,
                         const std::optional<WitnessExpectation>& witness) {
    return rollsVerdict(file.extension, file.contents.tags, evidence, witness);
}

std::optional<WitnessExpectation>
witnessExpectation(const ServerGames& games, const std::optional<GameId>& game,
                   const KorvaExtension& block,
                   std::optional<std::vector<WitnessedRoll>> serverLog) {
    if (!game)
        return std::nullopt;
    const std::optional<ServerGameEntry> entry = games.find(*game);
    if (!entry)
        return std::nullopt;
    // A file with no turn record plays no move a server witnessed: its rolls, if any, fail.
    const std::uint32_t move = block.turn ? std::uint32_t(movesBefore(*block.turn)) : 0;
    return WitnessExpectation{entry->game.bytes(), move, entry->publicKey, std::move(serverLog)};
}

DiceVerdict rollsVerdict(const OpenedMoveFile& file, const DiceEvidence& evidence,
                         const ServerGames& games, const std::optional<GameId>& game) {
    return rollsVerdict(file, evidence, witnessExpectation(games, game, file.extension));
}
