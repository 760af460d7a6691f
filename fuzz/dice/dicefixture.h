#pragma once

// A game's history as one player (A) holds it after three files, made the same way every
// time (fixed secrets, ids and times), so that the dice fuzzer's seeds, made by another
// program, are checked against exactly this history: A started the game (a0), B answered
// (b1), A answered with dice drawn per combat (a2). A file opened against it is B's next
// turn, bound by b1's commitment.

#include "dice/dicedraw.h"
#include "geometry/hexgrid.h"
#include "history/dicestore.h"
#include "history/gamehistory.h"
#include "movefile/movefile.h"

#include <QDateTime>
#include <QDir>

namespace dicefixture {

inline QByteArray secret(char fill) {
    return QByteArray(dicedraw::kSecretSize, fill);
}

inline GameId game() {
    GameId::Bytes bytes{};
    bytes.fill(0x4B);
    return *GameId::fromBytes(bytes);
}

inline MoveFileContents position() {
    MoveFileContents contents;
    for (int n = 1; n <= 234; ++n)
        contents.counters.push_back({n, n, 0, 0});
    return contents;
}

// A file of the game whose rolls, at hexes 300 and 370, are drawn from `drawnFrom` (free when
// empty) against `answered`, committing to `next`.
inline QByteArray file(const QByteArray& answered, const QByteArray& drawnFrom,
                       const QByteArray& next, std::uint32_t free = DiceRolls::FixedPerCombat) {
    MoveFileContents contents = position();
    KorvaExtension block;
    block.gameId = game();
    block.turnStart = presentPlaces(contents.counters);
    block.turn = TurnRecord{1, Side::Second, Side::First};
    block.players = {QStringLiteral("Alice"), QStringLiteral("Bob")};
    block.diceCommitment = dicedraw::commitmentOf(next);
    block.diceCommitmentPerCombat = true;
    DiceRolls rolls;
    rolls.free = drawnFrom.isEmpty() ? free : DiceRolls::FixedPerCombat;
    rolls.secret = drawnFrom;
    rolls.openedHash = answered.isEmpty() ? QByteArray() : dicedraw::sha256(answered);
    if (!drawnFrom.isEmpty() || !answered.isEmpty()) {
        for (const int hex : {300, 370}) {
            const auto number = std::uint32_t(rolls.rolls.size() + 1);
            const int die =
                drawnFrom.isEmpty()
                    ? int(number)
                    : dicedraw::drawDieForCombat(drawnFrom, rolls.openedHash, number, hex);
            contents.tags.push_back({hexgrid::hexPosition(hex), die, "attack"});
            rolls.rolls.push_back({number, hexgrid::hexPosition(hex), die, "attack"});
        }
    }
    rolls.made = std::uint32_t(rolls.rolls.size());
    block.diceRolls = rolls;
    return encodeMoveFile(contents) + encodeKorvaExtension(block);
}

inline QByteArray a0() {
    return file({}, {}, secret('a'), DiceRolls::FirstTurn);
}
inline QByteArray b1() {
    return file(a0(), {}, secret('b'), DiceRolls::FirstTurn);
}
inline QByteArray a2() {
    return file(b1(), secret('a'), secret('c'));
}

// Writes A's history under `root`: the three copies and A's secrets.
inline void writeHistory(const QString& root) {
    QDir(root).removeRecursively();
    const GameHistory history(root);
    const QDateTime start(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
    const QString folder = QDir::tempPath() + QStringLiteral("/mail/");
    history.record(a0(), game(), folder + QStringLiteral("a0.krv"), HistoryEntry::Kind::Saved,
                   start);
    history.record(b1(), game(), folder + QStringLiteral("b1.krv"), HistoryEntry::Kind::Opened,
                   start.addSecs(60));
    history.record(a2(), game(), folder + QStringLiteral("a2.krv"), HistoryEntry::Kind::Saved,
                   start.addSecs(120));
    DiceStore store(history, game());
    QString error;
    store.keepSecret(secret('a'), &error);
    store.keepSecret(secret('c'), &error);
}

} // namespace dicefixture
