#include "servergame/serverroller.h"

#include "game/session.h"
#include "serverplay/serverclient.h"

#include <QCoreApplication>
#include <QPointer>

void ServerRoller::roll(int hex, const std::string& comment, const Answer& answer) {
    ServerDice& dice = session_.serverDice();
    const std::optional<ServerDice::WitnessAsk> ask = dice.nextWitnessAsk(hex, comment);
    if (!ask) {
        answer(0, QCoreApplication::translate(
                      "ServerRoller", "this game's move is not known, so no die can be asked"));
        return;
    }
    // The session may be gone before the server answers (the window closed): then nothing is
    // taken.
    const QPointer<ServerDice> alive(&dice);
    client_.askRoll(
        ask->game, ask->turn, ask->number, ask->hex, ask->comment,
        [alive, ask = *ask, answer](const ServerResult<serverreplies::ServerRoll>& got) {
            if (!alive)
                return;
            if (!got.ok()) {
                answer(0, got.error);
                return;
            }
            const ServerDice::WitnessTaken taken = alive->takeWitnessedRoll(ask, got.value->record);
            answer(taken.die, taken.error);
        });
}
