#pragma once

#include "app/mainwindow/processlauncher.h"
#include "app/mainwindow/prompts.h"
#include "counters/turnchanges.h"
#include "history/historyentry.h"

#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TMainForm;
}
class Game;
class GameHistory;
class HistoryWriter;
class MoveLayer;
class NoticeBar;
class ReplayController;
class ReplayLayer;
class TurnListDock;
class KorvaSettings;
class MapScene;
class MapView;
class CounterFlash;
class HexCursor;
class LossBadges;
class OrderOfBattleDock;
class QLineEdit;
class QStringListModel;
class StackViewer;
class OverviewMap;
class PictureModule;
class QAction;
class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QMimeData;
class QToolBar;
class RecentFiles;
class TShowCombatDlg;
struct TurnMail;
struct OpenedMoveFile;
class ZeKCounter;

// The splash window while it exists; the main window's first showing destroys it.
extern QPointer<QWidget> Splash;

// How the main window finds its pictures and talks to the player; tests replace parts.
struct MainFormSetup {
    // Opens "korva_1.dll" / "korva_2.dll" as picture modules (layered DLL, folder, built-in).
    std::function<std::unique_ptr<PictureModule>(const QString& moduleName)> loadModule;
    // Modal questions and dialogs; null means the real Qt dialogs.
    std::unique_ptr<Prompts> prompts;
    // The pause between two steps of the return animation.
    std::function<void(int milliseconds)> pause;
    // Seed of the die; unset means the current time in seconds.
    std::optional<unsigned> seed;
    // Folder of "trace.txt"; empty means the current folder.
    QString traceFolder;
    // What is remembered between runs (folders, recent files, the window's place); null
    // remembers nothing.
    std::unique_ptr<QSettings> settings;
    // Starts the mail composer; null means the real programs.
    std::unique_ptr<ProcessLauncher> launcher;
    // Where the game's history keeps its copies; empty keeps none.
    QString historyFolder;
};

// The main window: the map in its scroll box, the tool bar, the banner boxes, the pop-up
// menu and the status bar over the Game it holds; it turns the player's mouse, keys and
// commands into the Game's operations.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormSetup setup, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads a move file and shows its position; a refused file changes nothing.
    bool OpenMove(const QString& fileName);
    // The Save command without its questions: writes report and file; true when saved.
    bool SaveMove(const QString& fileName, bool endOfTurn);
    // The New game command without its question: every counter in the holding area, no
    // combat tags, the default banners, nothing unsaved.
    void NewGame();
    void UpdateStatus(int x, int y);
    static QString FileTitle(const QString& fileName);

    // The game the window shows and its commands change.
    Game& game() { return *game_; }
    // Null when no history is kept.
    const GameHistory* gameHistory() const;
    // Returns once the copies asked for are in the history (their warnings may still be on
    // their way to the status bar).
    void waitForHistory();

    // The opponent's turn at a glance (tmainform_turn.cpp): the moves over the map, the turn
    // as a list, its replay, earlier positions from the history and a comparison.
    MoveLayer& moveLayer() { return *moveLayer_; }
    TurnListDock& turnListDock() { return *turnDock_; }
    ReplayController& replay() { return *replay_; }
    // First, Previous, Next, Last: an earlier position of the game from its history, shown
    // read-only with its moves; Next after the newest copy and backToPresent() return to
    // the game as it stands.
    enum class HistoryStep { First, Previous, Next, Last };
    void stepHistory(HistoryStep step);
    void backToPresent();
    bool showsPast() const;
    // Another move file as the position before the one shown: its changes become the moves.
    void compareWith(const QString& fileName);
    // The note that goes out with the next save; asks with the note editor.
    void editNote();
    MapView& mapView() { return *mapView_; }
    QLabel& dragImage() { return *bDragImage_; }
    // Notices over the top of the map (a suggestion, a warning, where the past shows).
    NoticeBar& noticeBar() { return *noticeBar_; }
    QMenu& popupMenu() { return *bMainPopupMenu_; }
    // Korva's own commands beyond the speed bar (new game, e-mail, zoom, ...).
    QToolBar& korvaToolBar() { return *bKorvaToolBar_; }
    // The overview of the whole map, docked beside the view; hidden until asked for.
    QDockWidget& overviewDock() { return *overviewDock_; }
    int lastHex() const { return lastHex_; }
    int dragFromHex() const { return dragFromHex_; }
    int undoToHex() const { return undoToHex_; }
    bool isDragging() const { return isDragging_; }
    bool hasUnsavedChanges() const { return unsaved_; }
    // Before the game is closed or replaced: asks about unsaved changes (Yes saves first).
    // True when the caller may go on.
    bool maybeSaveChanges();
    QString statusText(int panel) const;
    // The move files opened or saved last, under the Open button (press and hold, the
    // right button, or Ctrl+Shift+O); filled each time it opens.
    QMenu& recentMenu() { return *recentMenu_; }
    // A recent move file: asks about unsaved changes first, like Open.
    void openRecent(const QString& fileName);
    // Hands the last saved move file and report to the desktop's mail composer.
    void sendByEmail();
    std::array<std::string, 3> bannerTexts() const;

    // Finding counters (tmainform_find.cpp): the Find field on the Korva tool bar (Ctrl+F),
    // F3 / Shift+F3, and the order of battle dock (Ctrl+B).
    QLineEdit& findEdit() { return *findEdit_; }
    // What the last search found, or why it found nothing.
    QString findStatus() const;
    OrderOfBattleDock& orderOfBattleDock() { return *orderOfBattleDock_; }
    // The first counter whose name the words match, then +1 / -1 through the matches.
    void findFirst(const QString& query);
    void findNext(int direction);
    // Centres the view on the counter's hex (1-based order-of-battle row), flashes it and
    // puts the hex cursor there.
    void showCounter(int row);
    StackViewer& stackViewer() { return *stackViewer_; }

    // The commands, as the buttons and the pop-up menu run them.
    void sbOpenClick();
    void sbSaveClick();
    void actNewGameClick();
    void sbUndoClick();
    void sbAboutClick();
    void SpeedButton1Click();
    void pmFlipClick();
    void pmNewClick();
    void pmReturnClick();
    void pmCOmbatClick();
    void pmShowCOmbatClick();
    // The stack of the hex last pointed at turns over by one, as a click on it does.
    void rotateTargetStack();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void setUpControls();
    void connectCommands();
    void setUpNewGameCommand();
    void setUpKeyboard();
    void setUpFind();
    void setUpOrderOfBattle();
    void setUpStackViewer();
    void setUpHexCursor();
    const ZeKCounter& counterByRow(int row) const;
    void centreOnHex(int hex);
    // The hex the pop-up commands act on, as if the pointer had entered it: status bar,
    // hex cursor.
    void pointAtHex(int hex);
    // Marks the counter at `level` (0 the bottom) of a stack of `count` for a moment.
    void flashCounter(int hex, int level, int count);
    // Where a menu asked for from the keyboard opens: at the hex cursor while it shows,
    // otherwise at the pointer.
    QPoint menuPoint() const;

    // The view (tmainform_view.cpp): zoom commands and control, the overview dock, and
    // what of them is remembered between runs.
    void setUpView();
    void restoreView();
    void saveView();
    void showZoom();
    void applyZoomText();
    // The picture of a counter as the map shows it at its zoom, for the drag picture.
    QPixmap pictureAtZoom(int id, const QImage& picture) const;
    // The zoom changed while a counter is held: the drag picture follows.
    void zoomDuringDrag();
    // Scrolls the view to the off-board holding area, where a new game sets the counters.
    void showHoldingArea();
    // The status bar's note that an opened file holds only the placeholder position.
    void suggestNewGame();

    void bImageMainMapMouseDown(Qt::MouseButton button, int x, int y);
    void bImageMainMapMouseMove(int x, int y);
    void bImageMainMapMouseUp(Qt::MouseButton button, int x, int y);
    void PickUpCounter(int x, int y);
    void DropCounter(int x, int y);
    // Hides the drag picture and ends the drag state.
    void endDrag();
    // Ends a drag without moving anything: the counter stays, the drag picture goes.
    void CancelDrag();
    // Shows the pop-up menu at a screen point, unless a drag is under way.
    void requestMenu(const QPoint& globalPos);
    void LoadDragPicture(const ZeKCounter& counter);
    void AnimateMove(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs, int toHex);
    void placeDragImage(int pictureX, int pictureY);
    void clearUndoRecord();
    // The top counter of the hex last pointed at: what the pop-up commands act on.
    ZeKCounter* targetCounter() const;
    void showCounterTexts(int hexIndex);
    // The third status panel's text: the name, " ; Partial Step/Loss = ", steps/losses.
    static QString counterStatusText(const ZeKCounter& counter);
    void setBannerTexts(const std::array<std::string, 3>& texts);
    void markChanged();
    void markSaved();
    // After the position was replaced or a dock closed: the map has the keyboard, unless
    // the player is typing in a field that is still there.
    void keyboardToMap();
    void catchStrayFocus(QWidget* old, QWidget* now);

    // The desktop side (tmainform_desktop.cpp): settings, recent files, drops, e-mail.
    void setUpDesktop();
    void setCaption(const QString& caption);
    void showCaption();
    void fillRecentMenu();
    // A move file was opened or saved: its folder and the recent list remember it.
    void noteFileUsed(const QString& fileName);
    // The last save, ready to be sent by e-mail; an empty name forgets it (an Open
    // replaced the game it holds).
    void noteSavedTurn(const QString& fileName);
    QString startFolder() const;
    // The move file a drop brings, or an empty text and the reason it is refused.
    static QString droppedMoveFile(const QMimeData& data, QString* refusal);
    void openDropped(const QString& fileName, const QString& refusal);
    // A picture that could not be read and was replaced from the next source: noted now,
    // told in one warning once the command that drew it has finished.
    void notePictureFallback(const QString& note);
    void showPictureFallbacks();

    // Korva's own block and the game's history (tmainform_history.cpp).
    // Takes the opened file's block and what the history knows of its game, and has a copy
    // kept; answers the block's warning for the status bar.
    QString takeOpenedTurn(const OpenedMoveFile& file, const QString& fileName);
    // Has a copy kept in the game's history, away from the window's thread; a copy that
    // cannot be kept is named in the status bar.
    void keepInHistory(const QByteArray& bytes, const QString& fileName, bool saved);
    // The non-empty warnings, one after the other, in the status bar.
    void showWarnings(const QStringList& warnings);

    // The turn's view (tmainform_turn.cpp).
    void setUpTurnView();
    // The moves, combats and note the map and the list show, and where they came from.
    void showMoves(std::vector<CounterChange> changes, const QString& heading, bool switchOn);
    // The game's own moves: the opened file's turn, after Open, New game and the way back.
    void showOpenedTurn(bool switchOn);
    void rebuildMoveLayer();
    void chooseTurnRow(int hex, int counter);
    void toggleReplay(bool on);
    void updateTurnCommands();
    void showHistoryEntry(std::size_t index);

    std::unique_ptr<Ui::TMainForm> ui_;
    MainFormSetup setup_;
    std::unique_ptr<Prompts> prompts_;

    // The picture modules, the map picture, the counters, the board and the tags.
    std::unique_ptr<Game> game_;
    std::unique_ptr<HistoryWriter> historyWriter_;
    // The move file the game came from or went to last; empty for a new game.
    QString gameFile_;
    // What the views draw the game from when zoomed or sharp; built on the game.
    std::unique_ptr<MapScene> mapScene_;
    bool isDragging_ = false;
    int dragFromHex_ = -1;
    int undoToHex_ = -1;
    int lastHex_ = -1;
    bool unsaved_ = false;
    // The return animation is running; a close asked for meanwhile waits for its end.
    bool animating_ = false;
    bool closePending_ = false;
    QStringList pictureNotes_;
    bool pictureWarningDue_ = false;

    MapView* mapView_ = nullptr;
    QLabel* bDragImage_ = nullptr;
    NoticeBar* noticeBar_ = nullptr;
    QAction* readableLossesAction_ = nullptr;
    QMenu* bMainPopupMenu_ = nullptr;
    QToolBar* bKorvaToolBar_ = nullptr;
    QDockWidget* overviewDock_ = nullptr;
    OverviewMap* overviewMap_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    std::unique_ptr<TShowCombatDlg> showCombatDlg_;

    QString caption_;
    std::unique_ptr<KorvaSettings> settings_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<ProcessLauncher> launcher_;
    // The last save, ready to be sent; null before a save and after an Open.
    std::unique_ptr<TurnMail> savedTurn_;
    QMenu* recentMenu_ = nullptr;
    QAction* sendMailAction_ = nullptr;

    std::unique_ptr<MoveLayer> moveLayer_;
    std::unique_ptr<ReplayController> replay_;
    std::unique_ptr<ReplayLayer> replayLayer_;
    TurnListDock* turnDock_ = nullptr;
    QToolBar* turnToolBar_ = nullptr;
    QToolBar* replayBar_ = nullptr;
    QAction* showMovesAction_ = nullptr;
    QAction* replayAction_ = nullptr;
    QAction* playPauseAction_ = nullptr;
    QAction* stepAction_ = nullptr;
    std::array<QAction*, 4> historyActions_{};
    QAction* presentAction_ = nullptr;
    QAction* compareAction_ = nullptr;
    QAction* noteAction_ = nullptr;
    // The moves shown, as the list has them.
    std::vector<CounterChange> shownChanges_;
    // While the past shows: the game's copies and the one shown, and what the present had.
    std::vector<HistoryEntry> pastEntries_;
    std::size_t pastIndex_ = 0;
    bool undoBeforePast_ = false;
    QLineEdit* findEdit_ = nullptr;
    QStringListModel* findNames_ = nullptr;
    OrderOfBattleDock* orderOfBattleDock_ = nullptr;
    StackViewer* stackViewer_ = nullptr;
    HexCursor* hexCursor_ = nullptr;
    CounterFlash* counterFlash_ = nullptr;
    std::unique_ptr<LossBadges> lossBadges_;
    // The last search: its words, the rows it matched and the one shown (-1: none yet).
    QString findQuery_;
    std::vector<int> findMatches_;
    int findAt_ = -1;
    bool findDue_ = false;
    QLabel* findStatus_ = nullptr;
    // The window grew once to make room for the docked order of battle.
    bool dockWidened_ = false;
};
