#pragma once

#include "app/shell/featurecontext.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class HexCursor;
class QAction;
class MapFeature;
class MapOverlay;
class QLabel;
class QMenu;
class QStatusBar;
class TShowCombatDlg;
class ZeKCounter;

// Playing on the map: moving counters with the mouse (a drag picture follows the pointer),
// the counter commands of the pop-up menu and the speed bar (flip, tag, return to start hex,
// undo, combat, show combat, hide combat tags, Move All), the hex cursor that does the same
// from the keyboard, and the status bar that tells the hex and the counter under the
// pointer. The handlers keep the names the window's controls have always had.
class PlayFeature : public QObject {
    Q_OBJECT
public:
    // `pause` replaces the return slide's wait between steps (tests record instead).
    PlayFeature(const FeatureContext& context, MapFeature& mapFeature, QStatusBar& statusBar,
                std::function<void(int milliseconds)> pause);
    ~PlayFeature() override;

    // The hex cursor, over the map.
    QList<MapOverlay*> overlays() const;
    // Redo, for a tool bar of the window (the speed bar's places are taken).
    QList<QAction*> toolBarActions() const;
    // The turn's edits, a dock for the window to place.
    class EditsDock& editsDock() {
        return *editsDock_;
    }
    QMenu& popupMenu() { return *bMainPopupMenu_; }
    QLabel& dragImage() { return *bDragImage_; }
    // The text of status panel 1, 2 or 3.
    QString statusText(int panel) const;

    // The hex under the pointer at the last status update: what the pop-up commands act
    // on; -1 before the pointer was over the map.
    int lastHex() const { return lastHex_; }
    bool isDragging() const { return isDragging_; }
    // A drag, the return slide, a menu or a dialog: no stack viewer now.
    bool isBusy() const;
    // The return slide runs; a close asked for meanwhile waits for idle().
    bool isAnimating() const { return animating_; }

    // The mouse over the map, in map picture pixels.
    void bImageMainMapMouseDown(Qt::MouseButton button, int x, int y);
    void bImageMainMapMouseMove(int x, int y);
    void bImageMainMapMouseUp(Qt::MouseButton button, int x, int y);
    void UpdateStatus(int x, int y);
    // Ends a drag without moving anything: the counter stays, the drag picture goes.
    void CancelDrag();

    // The commands, as the buttons, the keys and the pop-up menu run them.
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

    // The hex the pop-up commands act on, as if the pointer had entered it: status bar,
    // hex cursor, the view scrolled to show it.
    void pointAtHex(int hex);

signals:
    // The return slide has ended.
    void idle();

private:
    void setUpStatusBar(QStatusBar& statusBar);
    void setUpCommands();
    void setUpHexCursor();
    // Tells a screen reader the hex under the cursor and its stack.
    void announceCursorHex();
    void PickUpCounter(int x, int y);
    void DropCounter(int x, int y);
    void endDrag();
    void LoadDragPicture(const ZeKCounter& counter);
    void AnimateMove(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs, int toHex);
    // The drag picture centred on the pointer at a map point.
    void placeDragImage(int x, int y);
    // The zoom changed while a counter is held: the drag picture follows.
    void zoomDuringDrag();
    // Shows the pop-up menu at a screen point, unless a drag is under way or the past shows.
    void requestMenu(const QPoint& globalPos);
    // Where a menu asked for from the keyboard opens: at the hex cursor while it shows,
    // otherwise at the pointer.
    QPoint menuPoint() const;
    // The top counter of the hex last pointed at: what the pop-up commands act on.
    ZeKCounter* targetCounter() const;
    void showCounterTexts(int hexIndex);
    // The third status panel's text: the name, " ; Partial Step/Loss = ", steps/losses.
    static QString counterStatusText(const ZeKCounter& counter);
    void positionReplaced();
    // Undo and Redo offered as the session's edits allow, their tool tips naming the step.
    void updateUndoCommands();

    FeatureContext context_;
    MapFeature& mapFeature_;
    std::function<void(int)> pause_;
    bool isDragging_ = false;
    // The hex the counter held was picked up from.
    int dragFromHex_ = -1;
    int lastHex_ = -1;
    bool animating_ = false;
    QLabel* bDragImage_ = nullptr;
    QMenu* bMainPopupMenu_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    HexCursor* hexCursor_ = nullptr;
    // The map's own accessible name, back once the mouse takes over from the cursor.
    QString mapName_;
    EditsDock* editsDock_ = nullptr;
    std::unique_ptr<TShowCombatDlg> showCombatDlg_;
};
