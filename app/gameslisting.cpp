#include "app/gameslisting.h"

#include "app/servercommands.h"
#include "app/shell/korvaapplication.h"
#include "app/shell/korvasettings.h"
#include "base/untrustedtext.h"
#include "history/arrivedmove.h"
#include "history/gamelist.h"
#include "history/gamelisttext.h"
#include "turns/turnorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSettings>

QString gamesListing() {
    KorvaApplication::setIdentity(); // where the history and the settings live
    const QString root = GameHistory::defaultRoot();
    const GameHistory history(root);
    const KorvaSettings settings(KorvaSettings::userStore());
    const QStringList archived = settings.archivedGames();
    const QHash<QString, ArrivedMove> arrived =
        root.isEmpty() ? QHash<QString, ArrivedMove>()
                       : arrivedMoves(history, settings.watchedFolders(), true);
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
        const auto move = arrived.constFind(game.key);
        if (move != arrived.cend() && (!game.turn || comesBefore(*game.turn, move->turn)))
            newMoves << gamelisttext::line(withArrived(game, *move), now,
                                           &untrustedtext::quotedForTerminal, true);
        else
            others << gamelisttext::line(game, now, &untrustedtext::quotedForTerminal);
    }
    const QStringList lines = newMoves + others;
    const QString onServers = servercommands::gamesListing();
    if (lines.isEmpty())
        return (archivedCount == 0
                    ? QCoreApplication::translate("korva", "No games in the history yet.")
                    : QCoreApplication::translate("korva", "No games but archived ones (%n).",
                                                  nullptr, archivedCount)) +
               QLatin1Char('\n') + onServers;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + onServers;
}
