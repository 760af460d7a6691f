#include "servergame/turnfetcher.h"

#include "base/safesave.h"
#include "counters/movereport.h"
#include "serverplay/serverclient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

TurnFetcher::TurnFetcher(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {}

QString TurnFetcher::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/servers/turns");
}

QString TurnFetcher::fileFor(const GameId& game, int move) const {
    return QStringLiteral("%1/%2-move-%3.krv")
        .arg(folder_, game.toHex())
        .arg(move, 3, 10, QLatin1Char('0'));
}

void TurnFetcher::fetch(ServerClient& client, const GameId& game, int move, const Done& done) {
    const QString path = fileFor(game, move);
    if (QFileInfo::exists(path)) {
        done(path, {});
        return;
    }
    client.fetchTurn(
        game, move, [path, move, done](const ServerResult<serverreplies::ServerTurn>& got) {
            if (!got.ok()) {
                done({}, got.error);
                return;
            }
            if (got.value->turn != move) {
                done({},
                     QCoreApplication::translate("TurnFetcher", "the server sent another move"));
                return;
            }
            QString error;
            // The report first: the move file's arrival is what the watcher sees.
            if (!QDir().mkpath(QFileInfo(path).path()) ||
                !saveFileSafely(reportFileName(path), got.value->report, &error) ||
                !saveFileSafely(path, got.value->file, &error)) {
                done({}, error.isEmpty()
                             ? QCoreApplication::translate("TurnFetcher", "the folder %1 could "
                                                                          "not be made")
                                   .arg(QFileInfo(path).path())
                             : error);
                return;
            }
            done(path, {});
        });
}
