#pragma once

#include "dice/diceverdict.h"
#include "movefile/korvaextension.h"
#include "netplay/witnessverdict.h"

#include <optional>
#include <vector>

class ServerGames;
struct OpenedMoveFile;

// The one judgement of a file's rolls that every view shares (the opened turn, the games
// list, the arrived moves, the dice log, the command line, the exports).
//
// A game the player plays through a Korva server (`witness` given) is judged by the server's
// signed records alone: a file of it with local dice, or with combats no record accounts for,
// does not match. Any other game is judged by its local dice and the evidence, as e-mail games
// always were; a file carrying a server's records there cannot be checked, since the player
// holds no key of that server for the game, and the verdict says so.
DiceVerdict rollsVerdict(const OpenedMoveFile& file, const DiceEvidence& evidence,
                         const std::optional<WitnessExpectation>& witness);
DiceVerdict rollsVerdict(const KorvaExtension& block, const std::vector<TagRecord>& tags,
                         const DiceEvidence& evidence,
                         const std::optional<WitnessExpectation>& witness);

// What the player holds to judge a file of `game` as a server game: the key pinned for it and
// the move the file plays (the move its turn record says was just played, as the server
// counts them); nullopt when `game` is none of the player's server games.
std::optional<WitnessExpectation>
witnessExpectation(const ServerGames& games, const std::optional<GameId>& game,
                   const KorvaExtension& block,
                   std::optional<std::vector<WitnessedRoll>> serverLog = std::nullopt);

// rollsVerdict for the file as a turn of `game`, a server game when the registry has it.
DiceVerdict rollsVerdict(const OpenedMoveFile& file, const DiceEvidence& evidence,
                         const ServerGames& games, const std::optional<GameId>& game);
