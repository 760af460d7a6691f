#include "app/gameslisting.h"

#include "app/shell/korvaapplication.h"
#include "app/shell/korvasettings.h"
#include "base/untrustedtext.h"
#include "history/arrivedmove.h"
#include "history/gamelist.h"
#include "history/gamelisttext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

namespace {

// The games with a new move in a watched folder, as the window finds them.
QHash<QString, TurnRecord> arrivedMoves(const GameHistory& history, const QStringList& folders) {
    QHash<QString, TurnRecord> arrived;
    for (const QString& folder : folders)
        for (const QFileInfo& file :
             QDir(folder).entryInfoList({QStringLiteral("*.krv")}, QDir::Files, QDir::Name))
            if (const std::optional<ArrivedMove> move =
                    arrivedMove(history, file.absoluteFilePath());
                move && (!arrived.contains(move->gameKey) ||
                         arrived.value(move->gameKey).comesBefore(move->turn)))
                arrived.insert(move->gameKey, move->turn);
    return arrived;
}

} // namespace

QString gamesListing() {
    KorvaApplication::setIdentity(); // where the history and the settings live
    const QString root = GameHistory::defaultRoot();
    const GameHistory history(root);
    const KorvaSettings settings(KorvaSettings::userStore());
    const QStringList archived = settings.archivedGames();
    const QHash<QString, TurnRecord> arrived = arrivedMoves(history, settings.watchedFolders());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QStringList newMoves;
    QStringList others;
    int archivedCount = 0;
    for (const GameSummary& game :
         root.isEmpty() ? std::vector<GameSummary>() : listGames(history)) {
        if (archived.contains(game.key)) {
            ++archivedCount;
            continue;
        }
        const bool newMove =
            arrived.contains(game.key) && (!game.turn || game.turn->comesBefore(arrived[game.key]));
        (newMove ? newMoves : others)
            << gamelisttext::line(game, now, &untrustedtext::forTerminal, newMove);
    }
    const QStringList lines = newMoves + others;
    if (lines.isEmpty())
        return (archivedCount == 0
                    ? QCoreApplication::translate("korva", "No games in the history yet.")
                    : QCoreApplication::translate("korva", "No games but archived ones (%n).",
                                                  nullptr, archivedCount)) +
               QLatin1Char('\n');
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
