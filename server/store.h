#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class StoreError : public std::runtime_error {
public:
    // Busy: another process holds the database longer than the busy timeout; Full: the disk
    // took no more (or the file may grow no more). Either leaves the database as it was.
    enum class Kind { Other, Busy, Full };
    explicit StoreError(const std::string& what, Kind kind = Kind::Other)
        : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// A game as the server keeps it.
struct StoredGame {
    qint64 id = 0;
    // The game id Korva's block carries, as 32 hex digits.
    QString korvaId;
    QString name;
    // The side that moves first in every turn, 0 or 1.
    int firstSide = 0;
    // The move the game was created before (0 for a new game) and the turns taken since.
    int startMove = 0;
    int moves = 0;
    // Empty once the opponent joined.
    QString invite;
    // Per side: the player (0: none yet) and their name.
    std::array<qint64, 2> players{};
    std::array<QString, 2> names;

    // The move now being played, 1 for the game's first.
    int turn() const { return startMove + moves + 1; }
    int sideToMove() const { return (turn() - 1) % 2 == 0 ? firstSide : 1 - firstSide; }
    // The player's side; -1 when they do not play this game.
    int sideOf(qint64 player) const {
        return players[0] == player ? 0 : players[1] == player ? 1 : -1;
    }
};

struct StoredTurn {
    QByteArray file;
    QByteArray report;
    qint64 player = 0; // who uploaded it
};

// The server's one SQLite file: players, games, the dice log and the turns. Owns every line
// of SQL; each change is one transaction, so a killed server leaves each whole or not at all.
class Store {
public:
    static constexpr const char* kFileName = "korva.sqlite";
    // The schema this server writes; older files are brought up to it when opened.
    static int schemaVersion();

    // Opens (and makes, with `create`) the database in `folder`, bringing an older schema up
    // to this server's; throws StoreError. A change waits up to `busyTimeoutMs` for a
    // database another process holds.
    Store(const QString& folder, bool create, qint64 busyTimeoutMs = 5000);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    qint64 addPlayer(const QString& name, const QByteArray& tokenHash);
    std::optional<QByteArray> tokenHash(qint64 player);

    // False when a game of that Korva id is kept already.
    bool addGame(const StoredGame& game, qint64 creator, int creatorSide);
    // The game, only when the player plays it.
    std::optional<StoredGame> game(const QString& korvaId, qint64 player);
    // Binds the player to the free side of the game of that invite; nullopt for an unknown
    // or used invite, or the player's own game.
    std::optional<StoredGame> join(const QString& invite, qint64 player);
    std::vector<StoredGame> gamesOf(qint64 player);

    // The records of the game's dice log for one turn (0: all), in order.
    std::vector<QByteArray> rolls(qint64 game, int turn);
    std::optional<QByteArray> roll(qint64 game, int turn, int number);

    // What a roll is drawn after, read in the transaction that appends it.
    struct RollPlace {
        // The move the game is at, and the number the turn's next roll takes.
        int turn = 0;
        int next = 0;
        std::optional<QByteArray> last;
    };
    // In one transaction: reads the game's place, asks `draw` for the record (empty: none)
    // and appends it as the turn's next roll. Answers the place it was drawn at.
    RollPlace appendRoll(qint64 game, int turn,
                         const std::function<QByteArray(const RollPlace&)>& draw);

    // Keeps the turn and counts it, if the game is still at that turn; false otherwise.
    bool addTurn(qint64 game, int turn, qint64 player, const StoredTurn& stored);
    std::optional<StoredTurn> turn(qint64 game, int turn);

    // Writes a consistent copy of the database to `file` while the server runs (VACUUM INTO,
    // which reads one snapshot); throws StoreError. `file` must not exist.
    void backup(const QString& file);
    // Checks that `file` is a whole database of this or an older schema; throws StoreError.
    static void check(const QString& file);

private:
    void migrate();
    std::vector<StoredGame> games(const QString& where, const QVariantList& values);

    QString connection_;
    QSqlDatabase db_;
};
