#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

class Store;
class Witness;
struct StoredGame;

// What a request came to, as plain data: the routes make HTTP of it.
struct Outcome {
    enum class Kind { Ok, Created, Invalid, NotFound, Refused, TooLarge };
    Kind kind = Kind::Ok;
    QJsonObject body;
    // Players to tell at once, and what.
    std::vector<qint64> tell;
    QJsonObject event;
};

// The server's rules of play: who may do what in which game, when a die may be drawn, what
// an upload must be. Asks the store and the witness; knows nothing of HTTP or SQL.
class Referee {
    Q_DECLARE_TR_FUNCTIONS(Referee)

public:
    // The longest report kept beside a turn.
    static constexpr qsizetype kMaxReportBytes = 1024 * 1024;
    // The longest comment a combat may have, as the tags section allows.
    static constexpr qsizetype kMaxCommentBytes = 80;

    Referee(Store& store, const Witness& witness) : store_(store), witness_(witness) {}

    // The player whose token this is; nullopt for any other text.
    std::optional<qint64> authenticate(QByteArrayView token);

    Outcome registerPlayer(const QJsonObject& request);
    Outcome createGame(qint64 player, const QJsonObject& request);
    Outcome join(qint64 player, const QJsonObject& request);
    Outcome games(qint64 player);
    Outcome game(qint64 player, const QString& id);
    Outcome roll(qint64 player, const QString& id, const QJsonObject& request);
    Outcome rolls(qint64 player, const QString& id);
    Outcome upload(qint64 player, const QString& id, const QJsonObject& request);
    Outcome turn(qint64 player, const QString& id, int number);
    Outcome key() const;

private:
    std::optional<StoredGame> gameOf(qint64 player, const QString& id);

    Store& store_;
    const Witness& witness_;
};
