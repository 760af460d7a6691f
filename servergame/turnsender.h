#pragma once

#include <QObject>
#include <QString>

class Session;
class UploadQueue;

// Sends a server game's moves: once a save has ended the player's move, the saved file and its
// report go into the upload queue, which delivers them when the server answers. A save within
// the move, or of a game not played through a server, sends nothing.
class TurnSender : public QObject {
    Q_OBJECT
public:
    TurnSender(Session& session, UploadQueue& queue, QObject* parent = nullptr);

    // The saved file's move, when it is one to send: queued now.
    void sendIfEnded(const QString& moveFile);

signals:
    void queued(int move);
    // The move was saved, but could not be put in the queue: why.
    void notQueued(const QString& why);

private:
    Session& session_;
    UploadQueue& queue_;
};
