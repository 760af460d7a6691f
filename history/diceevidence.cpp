#include "history/diceevidence.h"

#include "dice/dicedraw.h"
#include "movefile/movefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

std::optional<OpenedMoveFile> readCopy(const HistoryEntry& entry) {
    try {
        return GameHistory::read(entry);
    } catch (const MoveFileError&) {
        return std::nullopt; // damaged on disk: it tells nothing
    }
}

QByteArray answeredHash(const OpenedMoveFile& file) {
    const std::optional<DiceRolls>& dice = file.extension.diceRolls;
    return dice ? dice->openedHash : QByteArray();
}

// The commitment of the opponent's file that `sent` answered, looked up in the history.
DiceEvidence withCommitment(const GameHistory* history, const OpenedMoveFile& sent,
                            const std::optional<GameId>& game) {
    DiceEvidence evidence;
    evidence.sentHash = dicedraw::sha256(sent.bytes);
    const QByteArray answered = answeredHash(sent);
    if (answered.isEmpty()) {
        evidence.missing = QCoreApplication::translate(
            "DiceVerdict", "the file you sent answered no file of theirs");
        return evidence;
    }
    std::optional<KeptCopy> theirs;
    if (history && game)
        theirs = keptCopyWithHash(*history, *game, answered);
    if (!theirs) {
        evidence.missing = QCoreApplication::translate(
            "DiceVerdict", "the file of theirs that you answered is not in the history");
        return evidence;
    }
    if (!theirs->file.extension.diceCommitment) {
        evidence.missing = QCoreApplication::translate(
            "DiceVerdict", "the file of theirs that you answered committed no secret");
        return evidence;
    }
    evidence.commitment = *theirs->file.extension.diceCommitment;
    evidence.perCombat = theirs->file.extension.diceCommitmentPerCombat;
    evidence.committedIn = theirs->entry.title + QStringLiteral(".krv");
    return evidence;
}

} // namespace

std::optional<KeptCopy> keptCopyWithHash(const GameHistory& history, const GameId& game,
                                         const QByteArray& hash) {
    // The hashes are remembered: only the copy found is read again.
    const auto copies = history.kept(GameHistory::gameKey(game, {}));
    for (auto entry = copies->rbegin(); entry != copies->rend(); ++entry) {
        if (const QByteArray kept = history.hashOf(*entry); !kept.isEmpty() && kept == hash) {
            if (std::optional<OpenedMoveFile> file = readCopy(*entry))
                return KeptCopy{*entry, std::move(*file)};
            return std::nullopt;
        }
    }
    return std::nullopt;
}

DiceEvidence diceEvidenceFor(const GameHistory& history, const OpenedMoveFile& file,
                             const std::optional<GameId>& game) {
    DiceEvidence evidence;
    if (!game) {
        evidence.missing = QCoreApplication::translate("DiceVerdict", "the file names no game");
        return evidence;
    }
    // The newest saved copy before the file was first kept, and the one its record names.
    // Only a copy of the file's size can hold its bytes: the others are never read here.
    const QByteArray hash = dicedraw::sha256(file.bytes);
    const QByteArray named = answeredHash(file);
    const auto copies = history.kept(GameHistory::gameKey(*game, {}));
    std::size_t firstKept = copies->size();
    for (std::size_t i = 0; i < copies->size(); ++i) {
        const HistoryEntry& entry = (*copies)[i];
        if (QFileInfo(entry.path).size() == file.bytes.size() && history.hashOf(entry) == hash) {
            if (entry.kind == HistoryEntry::Kind::Saved) {
                evidence.missing =
                    QCoreApplication::translate("DiceVerdict", "it is a file you saved yourself");
                return evidence;
            }
            firstKept = i; // kept before: the file it answered was saved before that
            break;
        }
    }
    std::optional<HistoryEntry> newest;
    std::optional<HistoryEntry> namedCopy;
    // Newest first: the named copy is most often the newest itself.
    for (std::size_t i = firstKept; i-- > 0;) {
        const HistoryEntry& entry = (*copies)[i];
        if (entry.kind != HistoryEntry::Kind::Saved)
            continue;
        if (!newest)
            newest = entry;
        if (!named.isEmpty() && history.hashOf(entry) == named) {
            namedCopy = entry;
            break;
        }
    }
    std::optional<OpenedMoveFile> sent = newest ? readCopy(*newest) : std::nullopt;
    if (namedCopy && sent && namedCopy->path != newest->path) {
        // A copy saved again after sending answers the same file as the one sent; an older
        // turn's file does not, and the newest stays the one to roll against.
        std::optional<OpenedMoveFile> answered = readCopy(*namedCopy);
        if (answered && answeredHash(*answered) == answeredHash(*sent))
            sent = std::move(answered);
    }
    if (!sent) {
        evidence.missing =
            QCoreApplication::translate("DiceVerdict", "the file you sent is not in the history");
        return evidence;
    }
    return withCommitment(&history, *sent, game);
}

DiceEvidence diceEvidenceAgainst(const GameHistory* history, const OpenedMoveFile& sent,
                                 const std::optional<GameId>& game) {
    return withCommitment(history, sent, game);
}
