#include "servergame/serverlogcheck.h"

#include "game/session.h"
#include "movefile/witnessrecord.h"
#include "serverplay/serverclient.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

// The server's records as the dice check them; nullopt when one is damaged.
std::optional<std::vector<WitnessedRoll>> decoded(const QList<serverreplies::ServerRoll>& rolls) {
    std::vector<WitnessedRoll> log;
    log.reserve(std::size_t(rolls.size()));
    try {
        for (const serverreplies::ServerRoll& roll : rolls)
            log.push_back(witnessrecord::decode(roll.record));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return log;
}

} // namespace

ServerLogCheck::ServerLogCheck(Session& session, ClientFor clientFor, QObject* parent)
    : QObject(parent), session_(session), clientFor_(std::move(clientFor)) {
    connect(&session_, &Session::positionReplaced, this, [this](Session::Change change) {
        if (change == Session::Change::Opened && session_.serverDice().isServerGame())
            check();
    });
}

void ServerLogCheck::check() {
    const std::optional<ServerGameEntry> entry = session_.serverDice().serverGame();
    ServerClient* client = entry ? clientFor_(entry->server) : nullptr;
    if (!client) {
        emit failed(QCoreApplication::translate("ServerLogCheck",
                                                "you have no token for this game's server"));
        return;
    }
    const QPointer<ServerLogCheck> alive(this);
    client->fetchRolls(entry->game, [this, alive, game = entry->game](
                                        const ServerResult<QList<serverreplies::ServerRoll>>& got) {
        // Another game may have been opened meanwhile: its own check follows.
        if (!alive)
            return;
        if (const std::optional<ServerGameEntry> open = session_.serverDice().serverGame();
            !open || open->game != game)
            return;
        const std::optional<std::vector<WitnessedRoll>> log =
            got.ok() ? decoded(*got.value) : std::nullopt;
        if (!log) {
            emit failed(got.ok() ? QCoreApplication::translate("ServerLogCheck",
                                                               "the server's log holds a damaged "
                                                               "record")
                                 : got.error);
            return;
        }
        session_.serverDice().checkWithServerLog(*log);
        emit checked(session_.serverDice().recoverWitnessed(*log));
    });
}
