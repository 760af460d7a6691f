#pragma once

#include "movefile/gameid.h"

#include <QObject>
#include <QString>

#include <functional>

class ServerClient;

// Brings a server game's move from its server into a folder of Korva's, where the games list
// watches for the opponent's files: the notification and the list then treat it as any move
// that arrived. The file's name is made of the game's id and the move's number, never of
// anything the file or the server says.
class TurnFetcher : public QObject {
    Q_OBJECT
public:
    explicit TurnFetcher(QString folder = defaultFolder(), QObject* parent = nullptr);
    // Korva's data folder, servers/turns.
    static QString defaultFolder();
    const QString& folder() const { return folder_; }
    // <folder>/<game's id>-move-<move, three digits or more>.krv; its report beside it.
    QString fileFor(const GameId& game, int move) const;

    // `done` gets the path of the kept move, or why there is none. A move kept already is not
    // asked for again.
    using Done = std::function<void(const QString& path, const QString& error)>;
    void fetch(ServerClient& client, const GameId& game, int move, const Done& done);

private:
    QString folder_;
};
