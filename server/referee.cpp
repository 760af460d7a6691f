#include "server/referee.h"

#include "geometry/hexgrid.h"
#include "movefile/gameid.h"
#include "movefile/turnrecord.h"
#include "netplay/witnesschain.h"
#include "server/credentials.h"
#include "server/store.h"
#include "server/uploadcheck.h"
#include "server/witness.h"
#include "turns/turnorder.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

Outcome answer(Outcome::Kind kind, const QString& error) {
    return {kind, {{QStringLiteral("error"), error}}, {}, {}};
}

// A game that is not the player's answers exactly as one that does not exist.
Outcome noSuchGame() {
    return answer(Outcome::Kind::NotFound, QStringLiteral("no such game"));
}

QString base64(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toBase64());
}

std::optional<QByteArray> fromBase64(const QJsonValue& value) {
    if (!value.isString())
        return std::nullopt;
    auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return decoded.decoded;
}

// A whole number in [low, high], or nullopt.
std::optional<int> whole(const QJsonValue& value, int low, int high) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != double(qint64(number)) || number < low || number > high)
        return std::nullopt;
    return int(number);
}

QJsonObject describe(const StoredGame& game, qint64 player) {
    const int side = game.sideOf(player);
    QJsonObject out{{QStringLiteral("game"), game.korvaId},
                    {QStringLiteral("name"), game.name},
                    {QStringLiteral("side"), side},
                    {QStringLiteral("players"), QJsonArray{game.names[0], game.names[1]}},
                    {QStringLiteral("firstSide"), game.firstSide},
                    {QStringLiteral("firstTurn"), game.startMove + 1},
                    {QStringLiteral("turns"), game.moves},
                    {QStringLiteral("turn"), game.turn()},
                    {QStringLiteral("toMove"), game.sideToMove()},
                    {QStringLiteral("yourMove"),
                     game.sideToMove() == side && game.players[0] != 0 && game.players[1] != 0}};
    if (!game.invite.isEmpty())
        out.insert(QStringLiteral("invite"), game.invite);
    return out;
}

QJsonObject describe(const QByteArray& record) {
    const WitnessedRoll roll = witnessrecord::decode(record);
    return {{QStringLiteral("record"), base64(record)},
            {QStringLiteral("turn"), qint64(roll.turn)},
            {QStringLiteral("number"), qint64(roll.number)},
            {QStringLiteral("hex"), roll.hex},
            {QStringLiteral("die"), qint64(roll.die)},
            {QStringLiteral("time"), qint64(roll.timeMs)}};
}

} // namespace

std::optional<qint64> Referee::authenticate(QByteArrayView token) {
    const std::optional<credentials::PresentedToken> presented = credentials::readToken(token);
    if (!presented)
        return std::nullopt;
    const std::optional<QByteArray> kept = store_.tokenHash(presented->player);
    if (!kept || !credentials::sameHash(*kept, presented->hash))
        return std::nullopt;
    return presented->player;
}

Outcome Referee::registerPlayer(const QJsonObject& request) {
    const QString name = request.value(QStringLiteral("name")).toString();
    if (name.isEmpty() || cleanPlayerName(name) != name)
        return answer(Outcome::Kind::Invalid,
                      tr("a player's name is a plain line of 1 to 40 characters"));
    const credentials::NewToken token = credentials::makeToken();
    const qint64 player = store_.addPlayer(name, token.hash);
    return {Outcome::Kind::Created,
            {{QStringLiteral("player"), player},
             {QStringLiteral("token"),
              QString::fromLatin1(credentials::tokenText(player, token.secret))}},
            {},
            {}};
}

Outcome Referee::createGame(qint64 player, const QJsonObject& request) {
    const std::optional<GameId> id =
        GameId::fromHex(request.value(QStringLiteral("game")).toString());
    const QString name = request.value(QStringLiteral("name")).toString();
    const std::optional<int> side = whole(request.value(QStringLiteral("side")), 0, 1);
    const QJsonObject turn = request.value(QStringLiteral("turn")).toObject();
    const std::optional<int> number =
        whole(turn.value(QStringLiteral("number")), 1, TurnRecord::kMaxNumber);
    const std::optional<int> toMove = whole(turn.value(QStringLiteral("toMove")), 0, 1);
    const std::optional<int> movesFirst = whole(turn.value(QStringLiteral("movesFirst")), 0, 1);
    if (!id || name.isEmpty() || cleanPlayerName(name) != name || !side || !number || !toMove ||
        !movesFirst)
        return answer(Outcome::Kind::Invalid,
                      tr("a game needs its id, a plain name, your side and its turn"));
    const auto sideOf = [](int s) { return s == 0 ? Side::First : Side::Second; };
    StoredGame game;
    game.korvaId = id->toHex();
    game.name = name;
    game.firstSide = *movesFirst;
    game.startMove = movesBefore(TurnRecord{*number, sideOf(*toMove), sideOf(*movesFirst)});
    game.invite = credentials::makeInvite();
    if (!store_.addGame(game, player, *side))
        return answer(Outcome::Kind::Refused, tr("this game is played on the server already"));
    return {Outcome::Kind::Created, describe(*store_.game(game.korvaId, player), player), {}, {}};
}

Outcome Referee::join(qint64 player, const QJsonObject& request) {
    const std::optional<StoredGame> game =
        store_.join(request.value(QStringLiteral("invite")).toString().toUpper(), player);
    if (!game)
        return answer(Outcome::Kind::NotFound, tr("no game waits for this invite code"));
    return {Outcome::Kind::Ok,
            describe(*game, player),
            {game->players[std::size_t(1 - game->sideOf(player))]},
            {{QStringLiteral("event"), QStringLiteral("joined")},
             {QStringLiteral("game"), game->korvaId}}};
}

Outcome Referee::games(qint64 player) {
    QJsonArray list;
    for (const StoredGame& game : store_.gamesOf(player))
        list.append(describe(game, player));
    return {Outcome::Kind::Ok, {{QStringLiteral("games"), list}}, {}, {}};
}

std::optional<StoredGame> Referee::gameOf(qint64 player, const QString& id) {
    const std::optional<GameId> korvaId = GameId::fromHex(id);
    if (!korvaId)
        return std::nullopt;
    return store_.game(korvaId->toHex(), player);
}

Outcome Referee::game(qint64 player, const QString& id) {
    const std::optional<StoredGame> game = gameOf(player, id);
    if (!game)
        return noSuchGame();
    return {Outcome::Kind::Ok, describe(*game, player), {}, {}};
}

Outcome Referee::roll(qint64 player, const QString& id, const QJsonObject& request) {
    const std::optional<StoredGame> game = gameOf(player, id);
    if (!game)
        return noSuchGame();
    const std::optional<int> turn = whole(request.value(QStringLiteral("turn")), 1, 1 << 20);
    const std::optional<int> number =
        whole(request.value(QStringLiteral("number")), 1, int(witnessrecord::kMaxRolls));
    const std::optional<int> hex = whole(request.value(QStringLiteral("hex")), 0, 1 << 20);
    const std::optional<QByteArray> comment = fromBase64(request.value(QStringLiteral("comment")));
    if (!turn || !number || !hex || !hexgrid::isValidHex(*hex) || !comment ||
        comment->size() > kMaxCommentBytes)
        return answer(Outcome::Kind::Invalid,
                      tr("a roll needs its turn, number, hex and comment (base64, at most 80 "
                         "bytes)"));
    // Asked again, the same record: a dropped answer never rolls a second die.
    if (const std::optional<QByteArray> kept = store_.roll(game->id, *turn, *number))
        return {Outcome::Kind::Ok, describe(*kept), {}, {}};
    if (game->players[0] == 0 || game->players[1] == 0)
        return answer(Outcome::Kind::Refused, tr("the game has no opponent yet"));
    if (game->sideOf(player) != game->sideToMove())
        return answer(Outcome::Kind::Refused, tr("it is not your move"));
    // The turn, the next number and the previous record are read in the transaction that
    // appends the roll, so that nothing can come between them.
    const GameId::Bytes gameBytes = GameId::fromHex(game->korvaId)->bytes();
    QByteArray record;
    const Store::RollPlace place =
        store_.appendRoll(game->id, *turn, [&](const Store::RollPlace& at) -> QByteArray {
            if (*turn != at.turn || *number != at.next)
                return {};
            WitnessedRoll roll;
            roll.game = gameBytes;
            roll.turn = std::uint32_t(*turn);
            roll.number = std::uint32_t(*number);
            roll.hex = *hex;
            roll.commentHash = witnesschain::commentHash(comment->toStdString());
            if (at.last)
                roll.previous = witnesschain::chainHash(witnessrecord::decode(*at.last));
            record = witnessrecord::encode(witness_.witness(roll));
            return record;
        });
    if (*turn != place.turn)
        return answer(Outcome::Kind::Refused,
                      tr("turn %1 is not the one being played (%2)").arg(*turn).arg(place.turn));
    if (record.isEmpty())
        return answer(Outcome::Kind::Refused,
                      tr("roll %1 is not the next one (%2)").arg(*number).arg(place.next));
    return {Outcome::Kind::Created, describe(record), {}, {}};
}

Outcome Referee::rolls(qint64 player, const QString& id) {
    const std::optional<StoredGame> game = gameOf(player, id);
    if (!game)
        return noSuchGame();
    QJsonArray list;
    for (const QByteArray& record : store_.rolls(game->id, 0))
        list.append(describe(record));
    return {Outcome::Kind::Ok, {{QStringLiteral("rolls"), list}}, {}, {}};
}

Outcome Referee::upload(qint64 player, const QString& id, const QJsonObject& request) {
    const std::optional<StoredGame> game = gameOf(player, id);
    if (!game)
        return noSuchGame();
    const std::optional<QByteArray> file = fromBase64(request.value(QStringLiteral("file")));
    const std::optional<QByteArray> report =
        request.contains(QStringLiteral("report"))
            ? fromBase64(request.value(QStringLiteral("report")))
            : std::optional<QByteArray>(QByteArray("")); // empty, never NULL in the store
    if (!file || !report)
        return answer(Outcome::Kind::Invalid, tr("a turn needs its file and report in base64"));
    if (game->players[0] == 0 || game->players[1] == 0)
        return answer(Outcome::Kind::Refused, tr("the game has no opponent yet"));
    // The same bytes again, as the player's last turn: their answer was lost on the way, and
    // the upload is answered as it was then, with no second push to the opponent.
    if (const std::optional<StoredTurn> last = store_.turn(game->id, game->turn() - 1);
        last && last->player == player && last->file == *file && last->report == *report)
        return {Outcome::Kind::Ok,
                {{QStringLiteral("event"), QStringLiteral("turn")},
                 {QStringLiteral("game"), game->korvaId},
                 {QStringLiteral("turn"), game->turn() - 1}},
                {},
                {}};
    if (game->sideOf(player) != game->sideToMove())
        return answer(Outcome::Kind::Refused, tr("it is not your move"));
    if (file->size() > UploadRules::kMaxFileBytes || report->size() > kMaxReportBytes)
        return answer(Outcome::Kind::TooLarge, tr("the file or its report is larger than 1 MiB"));
    UploadRules rules;
    rules.game = GameId::fromHex(game->korvaId)->bytes();
    rules.turn = game->turn();
    rules.firstSide = game->firstSide;
    rules.publicKey = witness_.publicKey();
    for (const QByteArray& record : store_.rolls(game->id, game->turn()))
        rules.witnessed.push_back(witnessrecord::decode(record));
    const QString refusal = uploadRefusal(*file, rules);
    if (!refusal.isEmpty())
        return answer(Outcome::Kind::Refused, refusal);
    if (!store_.addTurn(game->id, game->turn(), player, {*file, *report, player}))
        return answer(Outcome::Kind::Refused, tr("the file's turn does not follow the last one"));
    const QJsonObject taken{{QStringLiteral("event"), QStringLiteral("turn")},
                            {QStringLiteral("game"), game->korvaId},
                            {QStringLiteral("turn"), game->turn()}};
    return {Outcome::Kind::Created,
            taken,
            {game->players[std::size_t(1 - game->sideOf(player))]},
            taken};
}

Outcome Referee::turn(qint64 player, const QString& id, int number) {
    const std::optional<StoredGame> game = gameOf(player, id);
    if (!game)
        return noSuchGame();
    const std::optional<StoredTurn> kept = store_.turn(game->id, number);
    if (!kept)
        return answer(Outcome::Kind::NotFound, tr("no such turn"));
    return {Outcome::Kind::Ok,
            {{QStringLiteral("turn"), number},
             {QStringLiteral("file"), base64(kept->file)},
             {QStringLiteral("report"), base64(kept->report)}},
            {},
            {}};
}

Outcome Referee::key() const {
    return {Outcome::Kind::Ok,
            {{QStringLiteral("publicKey"), QString::fromLatin1(witness_.publicKey().toHex())},
             {QStringLiteral("fingerprint"), witness_.fingerprint()}},
            {},
            {}};
}
