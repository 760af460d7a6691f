#pragma once

#include "app/play/countercommands.h"
#include "app/play/counterdrag.h"
#include "app/play/statuspanels.h"
#include "app/shell/featurecontext.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class HexCursor;
class QAction;
class MapFeature;
class MapOverlay;
class QLabel;
class QMenu;
class QStatusBar;

// Playing on the map: moving counters with the mouse (CounterDrag), the counter commands of
// the pop-up menu and the speed bar (CounterCommands), the hex cursor that does the same
// from the keyboard, and the status bar that tells the hex and the counter under the
// pointer (StatusPanels). The handlers keep the names the window's controls have always had.
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
    EditsDock& editsDock() { return commands_.editsDock(); }
    void setServerDie(CounterCommands::ServerDie serverDie) {
        commands_.setServerDie(std::move(serverDie));
    }
    QMenu& popupMenu() { return *bMainPopupMenu_; }
    QLabel& dragImage() { return drag_.image(); }
    // The text of status panel 1, 2 or 3.
    QString statusText(int panel) const { return panels_.text(panel); }

    // The hex under the pointer at the last status update: what the pop-up commands act
    // on; -1 before the pointer was over the map.
    int lastHex() const { return panels_.lastHex(); }
    bool isDragging() const { return drag_.isDragging(); }
    // A drag, the return slide, a menu or a dialog: no stack viewer now.
    bool isBusy() const;
    // The return slide runs; a close asked for meanwhile waits for idle().
    bool isAnimating() const { return drag_.isAnimating(); }
    // Ends a drag without moving anything: the counter stays, the drag picture goes.
    void CancelDrag() { drag_.cancel(); }
    // The hex the pop-up commands act on, as if the pointer had entered it: status bar,
    // hex cursor, the view scrolled to show it.
    void pointAtHex(int hex);

    // The commands, as the buttons, the keys and the pop-up menu run them.
    void pmFlipClick() { commands_.pmFlipClick(); }
    void pmNewClick() { commands_.pmNewClick(); }
    void pmReturnClick() { commands_.pmReturnClick(); }
    void sbUndoClick() { commands_.sbUndoClick(); }
    void sbRedoClick() { commands_.sbRedoClick(); }
    void pmCOmbatClick() { commands_.pmCOmbatClick(); }
    void pmShowCOmbatClick() { commands_.pmShowCOmbatClick(); }

signals:
    // The return slide has ended.
    void idle();

private:
    void setUpMenu();
    void setUpHexCursor();
    // Tells a screen reader the hex under the cursor and its stack.
    void announceCursorHex();
    // The mouse over the map, in map picture pixels.
    void bImageMainMapMouseDown(Qt::MouseButton button, int x, int y);
    void bImageMainMapMouseUp(Qt::MouseButton button, int x, int y);
    void UpdateStatus(int x, int y);
    // Shows the pop-up menu at a screen point, unless a drag is under way or the past shows.
    void requestMenu(const QPoint& globalPos);
    // Where a menu asked for from the keyboard opens: at the hex cursor while it shows,
    // otherwise at the pointer.
    QPoint menuPoint() const;
    void positionReplaced();

    FeatureContext context_;
    StatusPanels panels_;
    CounterDrag drag_;
    CounterCommands commands_;
    QMenu* bMainPopupMenu_ = nullptr;
    HexCursor* hexCursor_ = nullptr;
    // The map's own accessible name, back once the mouse takes over from the cursor.
    QString mapName_;
};
