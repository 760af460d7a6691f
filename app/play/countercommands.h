#pragma once

#include "app/shell/featurecontext.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

class CounterDrag;
class EditsDock;
class QObject;
class StatusPanels;
class TShowCombatDlg;
class ZeKCounter;

// The counter commands of the pop-up menu, the speed bar and the map's keys: flip, tag,
// return to start hex with its slide, undo and redo with the dock of the turn's edits,
// combat, show combat, hide combat tags, turning a stack over. Each acts on the hex last
// pointed at. The handlers keep the names the window's controls have always had.
class CounterCommands {
    Q_DECLARE_TR_FUNCTIONS(PlayFeature)
public:
    // Connects the table's actions with `owner` as their context; `idle` hears of the end
    // of every return slide.
    CounterCommands(const FeatureContext& context, QObject& owner, CounterDrag& drag,
                    StatusPanels& panels, std::function<void()> idle);
    ~CounterCommands();

    EditsDock& editsDock() { return *editsDock_; }
    // Where a server game's combat asks for its die (the hex, the comment, the answer); a
    // server game's combat without one says there is no connection.
    using ServerDie = std::function<void(int hex, const std::string& comment,
                                         const std::function<void(int, const QString&)>& answer)>;
    void setServerDie(ServerDie serverDie) { serverDie_ = std::move(serverDie); }

    void pmFlipClick();
    void pmNewClick();
    void pmReturnClick();
    void sbUndoClick();
    void sbRedoClick();
    void SpeedButton1Click();
    void pmCOmbatClick();
    void pmShowCOmbatClick();
    // Show Combat at a hex with more records than this may be ended early.
    static constexpr int kFewRecords = 10;
    // The stack of the hex last pointed at turns over by one, as a click on it does.
    void rotateTargetStack();

    // Nothing of the past can be moved, flipped, tagged or fought over.
    void positionReplaced();

private:
    void connectActions(QObject& owner);
    // Undo and Redo offered as the session's edits allow, their tool tips naming the step.
    void updateUndoCommands();
    // A combat of a server game: its die is the server's.
    void serverCombat(int hex);
    // The top counter of the hex last pointed at: what the commands act on.
    ZeKCounter* targetCounter() const;

    FeatureContext context_;
    CounterDrag& drag_;
    StatusPanels& panels_;
    std::function<void()> idle_;
    EditsDock* editsDock_ = nullptr;
    std::unique_ptr<TShowCombatDlg> showCombatDlg_;
    ServerDie serverDie_;
};
