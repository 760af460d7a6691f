#include "app/filecommands.h"

#include "app/commandoutput.h"
#include "app/shell/korvaapplication.h"
#include "base/safesave.h"
#include "base/untrustedtext.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "game/openedstanding.h"
#include "history/gamehistory.h"
#include "korvaversion.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

using commandoutput::kWriteFailed;
using commandoutput::refuse;
using commandoutput::tell;
using commandoutput::translated;
using commandoutput::writeOut;

int printReport(const QString& file) {
    QByteArray report;
    try {
        const MoveFileContents contents = readMoveFile(file);
        CounterMgr counters;
        counters.applyRecords(contents.counters);
        report = moveReport(counters.counters());
    } catch (const std::exception& error) {
        return refuse(file, QString::fromUtf8(error.what()));
    }
    return writeOut(report);
}

// The moves of the file's turn as the window finds them after an Open, by the same rule
// (the history is only read): since the player's own last file of the game, unless that
// answered this file or a later one. A file named with --since takes the history's place.
TurnMoves movesOfFile(const OpenedMoveFile& file, const QString& path, const QString& since) {
    // The moves still come from the three sections; the player learns why there are fewer.
    if (!file.extensionWarning.isEmpty())
        tell(path, file.extensionWarning);
    if (!since.isEmpty())
        return movesOfTurn(
            file.contents.counters, file.extension.turnStart,
            earlierFileFor(file, readOpenedMoveFile(since), QFileInfo(since).fileName()));
    KorvaApplication::setIdentity(); // where the history lives
    const QString root = GameHistory::defaultRoot();
    return openedMoves(file, root.isEmpty() ? HistoryContext{}
                                            : GameHistory(root).contextFor(file, path));
}

int printMoves(const QString& file, const QString& since) {
    QByteArray text;
    // A refusal names the file refused: the one whose turn is wanted, or the earlier one.
    QString reading = file;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        if (!since.isEmpty())
            reading = since;
        text = changesText(movesOfFile(opened, file, since).changes);
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    return writeOut(text);
}

// What a move file says of its game, one "field: value" line each: the game id, the turn,
// the side to move and the one that moves first, the players, the note's length, the moves
// and combats of its turn (by the file alone), and the state of Korva's block. Names come
// from the file, but the block lets through no control characters.
int printInfo(const QString& path) {
    QString text;
    try {
        const QByteArray bytes = readMoveFileBytes(path);
        qsizetype bannerEnd = 0;
        const MoveFileContents contents = parseMoveFile(bytes, &bannerEnd);
        const KorvaExtensionRead block =
            parseKorvaExtension(QByteArrayView(bytes).sliced(bannerEnd));
        const KorvaExtension& ext = block.extension;
        const QString unknown = QCoreApplication::translate("korva", "unknown");
        const auto side = [&](Side s) {
            return s == Side::First ? QCoreApplication::translate("korva", "Allies")
                                    : QCoreApplication::translate("korva", "Axis");
        };
        const auto line = [&text](const char* field, const QString& value) {
            text += QStringLiteral("%1: %2\n")
                        .arg(translated(field), untrustedtext::forTerminal(value));
        };
        line(QT_TRANSLATE_NOOP("korva", "game"),
             ext.gameId ? ext.gameId->toHex()
                        : QCoreApplication::translate("korva", "none", "no game"));
        line(QT_TRANSLATE_NOOP("korva", "turn"),
             ext.turn ? QString::number(ext.turn->number) : unknown);
        line(QT_TRANSLATE_NOOP("korva", "to move"), ext.turn ? side(ext.turn->toMove) : unknown);
        line(QT_TRANSLATE_NOOP("korva", "moves first"),
             ext.turn ? side(ext.turn->movesFirst) : unknown);
        const auto name = [](const QString& n) {
            return n.isEmpty() ? QCoreApplication::translate("korva", "none", "no player") : n;
        };
        line(QT_TRANSLATE_NOOP("korva", "allies player"), name(ext.players.first));
        line(QT_TRANSLATE_NOOP("korva", "axis player"), name(ext.players.second));
        line(QT_TRANSLATE_NOOP("korva", "note"),
             QCoreApplication::translate("korva", "%1 characters").arg(ext.note.toUcs4().size()));
        const TurnMoves moves = movesOfTurn(contents.counters, ext.turnStart, std::nullopt);
        line(QT_TRANSLATE_NOOP("korva", "moves"),
             QString::number(std::count_if(moves.changes.begin(), moves.changes.end(),
                                           [](const CounterChange& c) { return c.moved(); })));
        line(QT_TRANSLATE_NOOP("korva", "combats"), QString::number(contents.tags.size()));
        line(QT_TRANSLATE_NOOP("korva", "korva block"),
             !block.present ? QCoreApplication::translate("korva", "absent")
             : block.damage.isEmpty()
                 ? QCoreApplication::translate("korva", "valid")
                 : QCoreApplication::translate("korva", "damaged: ") + block.damage);
        line(QT_TRANSLATE_NOOP("korva", "written by"),
             ext.writer ? QStringLiteral("Korva ") + ext.writer->text() : unknown);
        if (ext.unknownRecords)
            line(QT_TRANSLATE_NOOP("korva", "unknown records"),
                 korvaext::unknownRecordsNote(ext.writer, ext.unknownRecords));
    } catch (const std::exception& error) {
        return refuse(path, QString::fromUtf8(error.what()));
    }
    return writeOut(text.toUtf8());
}

// The starting file of a new game: the three sections byte for byte as Save writes them
// right after New game, and Korva's block with turn 1, the Allies to move.
int writeNewGame(const QString& out) {
    KorvaExtension block;
    block.turn = TurnRecord{};
    block.writer = KorvaVersion::current();
    QString error;
    if (!saveFileSafely(out, encodeMoveFile(newGameContents()) + encodeKorvaExtension(block),
                        &error)) {
        tell(out, error);
        return kWriteFailed;
    }
    return 0;
}
