#include "app/dicecommands.h"

#include "app/commandoutput.h"
#include "app/shell/korvaapplication.h"
#include "app/turn/gamedicetext.h"
#include "history/diceevidence.h"
#include "history/gamedicelog.h"
#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"

#include <QCoreApplication>

#include <cstdio>

using commandoutput::refuse;
using commandoutput::tell;
using commandoutput::terminalLine;
using commandoutput::writeOut;

int verifyRolls(const QString& file, const QString& mine) {
    QString reading = file;
    DiceVerdict verdict;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        if (!opened.extensionWarning.isEmpty())
            tell(file, opened.extensionWarning);
        KorvaApplication::setIdentity(); // where the history lives
        const QString root = GameHistory::defaultRoot();
        const std::optional<GameHistory> history =
            root.isEmpty() ? std::nullopt : std::optional<GameHistory>(GameHistory(root));
        DiceEvidence evidence;
        // The game the file is a turn of, as an Open takes it.
        const HistoryContext context =
            history ? history->contextFor(opened, file) : HistoryContext{};
        const std::optional<GameId> game = context.diceGame(opened);
        if (!mine.isEmpty()) {
            reading = mine;
            const OpenedMoveFile sent = readOpenedMoveFile(mine);
            // A file that names no game of the history is judged in the game of the file sent.
            evidence = diceEvidenceAgainst(history ? &*history : nullptr, sent,
                                           game ? game : sent.extension.gameId);
        } else if (context.claimsOtherGame) {
            evidence.missing = QCoreApplication::translate(
                "korva", "the file claims the id of another of your games");
        } else if (history) {
            evidence = diceEvidenceFor(*history, opened, game);
        } else {
            evidence.missing = QCoreApplication::translate("korva", "no history is kept");
        }
        verdict = rollsVerdict(opened, evidence, ServerGames(), game);
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    // The verdict comes last and on a line of its own: nothing said before it can hide it.
    std::fflush(stderr);
    // The verdict's words are Korva's; the one file's name in it comes escaped and quoted.
    const int written = writeOut(
        (verdict.text(&untrustedtext::quotedForTerminal) + QLatin1Char('\n')).toLocal8Bit());
    return written != 0 ? written : verdict.verified() ? 0 : 1;
}

int printGameDice(const QString& file) {
    QString text;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        KorvaApplication::setIdentity(); // where the history lives
        const QString root = GameHistory::defaultRoot();
        const GameHistory history(root);
        const HistoryContext context =
            root.isEmpty() ? HistoryContext{} : history.contextFor(opened, file);
        const std::optional<GameId> game = context.diceGame(opened);
        if (!game)
            return refuse(file, context.claimsOtherGame
                                    ? QCoreApplication::translate(
                                          "korva", "it claims the id of another of your games")
                                    : QCoreApplication::translate(
                                          "korva", "the history knows no game of this file"));
        text = gamedicetext::forTerminal(gameDiceLog(history, *game));
    } catch (const std::exception& error) {
        return refuse(file, QString::fromUtf8(error.what()));
    }
    return writeOut(text.toUtf8());
}
