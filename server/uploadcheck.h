#pragma once

#include "movefile/witnessrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

// What an uploaded move file must be to be taken as the game's next turn.
struct UploadRules {
    // Far above any move file (a few kilobytes), and a bound on what one request may hold.
    static constexpr qsizetype kMaxFileBytes = 1024 * 1024;

    GameId::Bytes game{};
    // The move being played (1 for the game's first) and the side that moves first (0, 1).
    int turn = 1;
    int firstSide = 0;
    QByteArray publicKey;
    // The server's log of this turn's rolls, in order.
    std::vector<WitnessedRoll> witnessed;
};

// Why the file cannot be this turn, in one line for the player; empty when it is. Read
// with Korva's own reader: a file over 1 MiB, a damaged file or block, another game's id,
// a turn that does not follow the last one, rolls that are not exactly the turn's
// witnessed rolls in order.
QString uploadRefusal(const QByteArray& file, const UploadRules& rules);
