#include "history/diceevidence.h"

#include "dice/dicedraw.h"
#include "movefile/movefile.h"

#include <QCoreApplication>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("DiceVerdict", text);
}

// The commitment of the opponent's file that `sent` answered, looked up in the history.
DiceEvidence withCommitment(const GameHistory* history, const OpenedMoveFile& file,
                            const OpenedMoveFile& sent) {
    DiceEvidence evidence;
    evidence.sentHash = dicedraw::sha256(sent.bytes);
    const std::optional<DiceRolls>& sentDice = sent.extension.diceRolls;
    if (!sentDice || sentDice->openedHash.isEmpty()) {
        evidence.missing = translated("the file you sent answered no file of theirs");
        return evidence;
    }
    const std::optional<GameId>& game = file.extension.gameId;
    std::optional<OpenedMoveFile> answered;
    if (history && game)
        answered = keptCopyWithHash(*history, *game, sentDice->openedHash);
    if (!answered) {
        evidence.missing = translated("the file of theirs that you answered is not in the history");
        return evidence;
    }
    if (!answered->extension.diceCommitment) {
        evidence.missing = translated("the file of theirs that you answered committed no secret");
        return evidence;
    }
    evidence.commitment = *answered->extension.diceCommitment;
    return evidence;
}

} // namespace

std::optional<OpenedMoveFile> keptCopyWithHash(const GameHistory& history, const GameId& game,
                                               const QByteArray& hash) {
    // The hashes are remembered: only the copy found is read again.
    const auto copies = history.kept(GameHistory::gameKey(game, {}));
    for (const HistoryEntry& entry : *copies) {
        if (const QByteArray kept = history.hashOf(entry); !kept.isEmpty() && kept == hash) {
            try {
                return GameHistory::read(entry);
            } catch (const MoveFileError&) {
                return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

DiceEvidence diceEvidenceFor(const GameHistory& history, const OpenedMoveFile& file) {
    DiceEvidence evidence;
    const std::optional<GameId>& game = file.extension.gameId;
    if (!game) {
        evidence.missing = translated("the file names no game");
        return evidence;
    }
    std::optional<HistoryEntry> sent;
    const QByteArray hash = dicedraw::sha256(file.bytes);
    const auto copies = history.kept(GameHistory::gameKey(*game, {}));
    for (const HistoryEntry& entry : *copies) {
        if (history.hashOf(entry) == hash) {
            if (entry.kind == HistoryEntry::Kind::Saved) {
                evidence.missing = translated("it is a file you saved yourself");
                return evidence;
            }
            break; // kept before: the file it answered was saved before that
        }
        if (entry.kind == HistoryEntry::Kind::Saved)
            sent = entry;
    }
    std::optional<OpenedMoveFile> sentFile;
    if (sent) {
        try {
            sentFile = GameHistory::read(*sent);
        } catch (const MoveFileError&) {
        }
    }
    if (!sentFile) {
        evidence.missing = translated("the file you sent is not in the history");
        return evidence;
    }
    return withCommitment(&history, file, *sentFile);
}

DiceEvidence diceEvidenceFor(const GameHistory* history, const OpenedMoveFile& file,
                             const OpenedMoveFile& sent) {
    return withCommitment(history, file, sent);
}
