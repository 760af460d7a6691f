#pragma once

#include "game/editstack.h"
#include "turns/turnorder.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <string>

class Game;
class PictureModule;

// The game as a document: the Game and its edits. Every change of what a save writes
// (a counter moved, turned, flipped or tagged, a banner, the note, the players and turn,
// the game's name, a combat) is a step of the edit stack, so that "unsaved" is the stack
// away from its clean state and nothing else. What no undo may take back (a roll, a
// recovered roll) is a step that stops undo. The views read the Game; only the session
// and its parts in this folder change it.
class Document : public QObject {
    Q_OBJECT
public:
    Document(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
             QObject* parent = nullptr);
    ~Document() override;

    const Game& game() const { return *game_; }
    EditStack& edits() { return *edits_; }
    const EditStack& edits() const { return *edits_; }
    bool isModified() const { return edits_->isModified(); }

    // The edits of the position; each answers false and changes nothing where there is
    // nothing to do (an empty hex, a stack of one to turn), or while the past shows.
    bool moveTop(int from, int to);
    bool moveAll(int from, int to);
    bool rotateStack(int hex);
    bool flip(int hex);
    bool tag(int hex);
    // The top counter of the hex goes back to the hex it started the turn in.
    bool returnToStart(int hex);
    // Takes every tag picture off the map; the tags stay, and a save writes them all the same.
    void hideTags();

    // A banner box's text (Windows-1252) as the player typed it; typing on in the same box
    // stays one step.
    void setBanner(std::size_t which, std::string text);
    // What the boxes show after a new position came (a box takes only so many characters):
    // what a save writes, yet no change of the turn.
    void adoptShownBanners(const std::array<std::string, 3>& shown);

    // The note that goes out with the next save.
    const QString& note() const;
    void setNote(const QString& note);
    // Which turn, whose move, who plays which side: the game's, or the past's while it shows.
    const TurnOrder& turnOrder() const;
    void setTurnOrder(const TurnOrder& order);
    // The name the game's files get ("salerno"): New game's, or the opened file's without
    // the turn and side Korva put in it. Setting another one renames the game as its files'
    // blocks name it too.
    const QString& gameName() const { return gameName_; }
    void setGameName(const QString& name);

    // The combat of the roll just made at the hex, with its comment as it was closed: part
    // of the roll's step (or a step no undo crosses of its own, named by `rollNumber`).
    void addCombat(int hex, int die, const std::string& comment, unsigned rollNumber);

signals:
    // The turn, the side to move or the players changed.
    void turnChanged();
    // A banner changed by an undo or a redo: the boxes show it again.
    void bannersChanged();

private:
    friend class Session;
    // Tests set positions up through the game's parts; no feature may.
    friend struct DocumentTestAccess;
    Game& mutableGame() { return *game_; }
    // A change of the game's texts; nothing while the past shows.
    void changeText(const QString& text, std::function<void()> apply, std::function<void()> revert,
                    int mergeId = -1);

    std::unique_ptr<Game> game_;
    std::unique_ptr<EditStack> edits_;
    QString gameName_ = QStringLiteral("korva");
};
