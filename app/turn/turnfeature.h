#pragma once

#include "app/shell/featurecontext.h"
#include "app/turn/gamedicereader.h"
#include "app/turn/turnreplay.h"
#include "counters/turnchanges.h"
#include "game/session.h"

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class MapFeature;
class MapOverlay;
class MoveLayer;
class PlayFeature;
class QAction;
class QToolBar;
class QToolButton;
class ReplayController;
class ReplayLayer;
class TurnDice;
class TurnListDock;

// The opponent's turn at a glance: which turn and whose move it is, the moves over the map
// (Show moves), the turn as a list in a dock, its replay, the game's history stepped
// through read-only, a comparison with any move file, the note that goes out with the next
// save, and the players and turn set by hand.
class TurnFeature : public QObject {
    Q_OBJECT
public:
    TurnFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play);
    // The marks over the map read the game: they go before it.
    ~TurnFeature() override;

    // The turn's commands, and the replay's own bar (shown while a replay runs).
    QToolBar& toolBar() { return *turnToolBar_; }
    QToolBar& replayBar() { return replay_.bar(); }
    TurnListDock& turnListDock() { return *turnDock_; }
    // The moves and the replay, over the map.
    QList<MapOverlay*> overlays() const;
    MoveLayer& moveLayer() { return *moveLayer_; }
    ReplayController& replay() { return replay_.controller(); }

    // First, Previous, Next, Last: an earlier position of the game from its history, shown
    // read-only with its moves; Next after the newest copy returns to the present.
    void stepHistory(PastBrowser::HistoryStep step);
    // Go to turn: the kept position a chosen turn and side began from, read-only.
    void goToTurn();
    // Another move file as the position before the one shown: its changes become the moves.
    void compareWith(const QString& fileName);
    // The note that goes out with the next save; asks with the note editor.
    void editNote();
    // While the past shows: which kept copy, "turn5, saved 2026-03-15 10:15 (2 of 4)".
    QString pastShown() const;
    // "Turn 3 · Axis to move", for a tool bar; a click opens Players and turn….
    QAction* whoseTurnAction() const { return whoseTurnAction_; }
    QToolButton& turnButton() { return *turnButton_; }
    // Players and turn…: the names, and the turn of a game whose files never said it.
    void editGameSetup();
    // The game's dice: every roll of the game from its history, and how fair each die looks.
    void showGameDice() { gameDice_.show(); }
    GameDiceDialog* gameDiceDialog() const { return gameDice_.dialog(); }

private:
    void setUpCommands();
    void positionReplaced(Session::Change change);
    // The moves, combats and note the map and the list show, and where they came from.
    void showMoves(std::vector<CounterChange> changes, const QString& heading, bool switchOn);
    // The game's own moves: the opened file's turn, after Open, New game and the way back.
    void showOpenedTurn(bool switchOn);
    void showPastHeading();
    void rebuildMoveLayer();
    // The dice whose roll numbers the combats shown carry; none while the past shows.
    const TurnDice* shownDice() const;
    void chooseTurnRow(int hex, int counter);
    void toggleReplay(bool on);
    void updateTurnCommands();
    void showTurn();
    // What a step into the past came to, where the session does not show it.
    void tellStep(PastBrowser::StepOutcome outcome);

    FeatureContext context_;
    MapFeature& mapFeature_;
    PlayFeature& play_;
    std::unique_ptr<MoveLayer> moveLayer_;
    TurnReplay replay_;
    TurnListDock* turnDock_ = nullptr;
    QToolBar* turnToolBar_ = nullptr;
    QToolButton* turnButton_ = nullptr;
    QAction* whoseTurnAction_ = nullptr;
    // The moves shown, as the list has them.
    std::vector<CounterChange> shownChanges_;
    // Last: it is gone, its reading finished, before anything it reports to.
    GameDiceReader gameDice_;
};
