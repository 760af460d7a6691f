#pragma once

#include "board/hex.h"

#include <QFrame>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <vector>

class Game;
class Tagger;
class ZeKClick;
class TurnDice;
class QVBoxLayout;

// Shows the whole stack of the hex the pointer rests on: every counter, top first, at twice
// its size with its name, steps and losses, marker and moved state, then the combats
// recorded at the hex (whose roll, the die and its number as Korva's own line, the comment
// quoted below it), a screenful at most, and how many more there are. It comes after the
// pointer has rested half a second, goes as soon as the pointer moves to another hex, leaves
// the map or a button is pressed, and never shows while `busy` answers true (a drag).
class StackViewer : public QFrame {
    Q_OBJECT
public:
    StackViewer(const Game& game, QWidget* map, std::function<bool()> busy);

    // The pointer moved over the map: over this hex, at this screen point.
    void pointerAt(int hex, const QPoint& globalPos);
    // Hides it and forgets the hex until the pointer moves again.
    void dismiss();
    // The hex shown, or -1.
    int shownHex() const { return isVisible() ? hex_ : -1; }
    void setDelay(int milliseconds) { timer_.setInterval(milliseconds); }
    // Where the rolls' numbers come from, and whether each was verified; none shows none.
    void setDice(const TurnDice* dice) { dice_ = dice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStack();
    // Fills the frame for the hex; false when there is nothing to show.
    bool fill(int hex);
    void addCounterRows(const CounterList& stack);
    // Each roll with its mark, and the comment the file gives it.
    void addCombatRows(const ZeKClick& click, const std::vector<const Tagger*>& tags);

    const Game& game_;
    const TurnDice* dice_ = nullptr;
    std::function<bool()> busy_;
    QTimer timer_;
    // The rows shown, made anew for each stack.
    QWidget* content_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    int hex_ = -1;
    QPoint globalPos_;
};
