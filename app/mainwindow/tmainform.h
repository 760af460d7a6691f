#pragma once

#include "prompts.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TMainForm;
}
class CounterMgr;
class MapBoard;
class MapPicture;
class MapView;
class PictureModule;
class QLabel;
class QMenu;
class QToolBar;
class TShowCombatDlg;
class TaggerMgr;
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
};

// The main window: the map in its scroll box, the tool bar, the banner boxes, the pop-up
// menu and the status bar; owner of the counters, the board and the combat tags.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormSetup setup, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads a move file and shows its position; a refused file changes nothing.
    bool OpenMove(const QString& fileName);
    // The Save command without its questions: writes report and file; true when saved.
    bool SaveMove(const QString& fileName, bool endOfTurn);
    void UpdateStatus(int x, int y);
    static QString FileTitle(const QString& fileName);

    // State the commands work on, for the program's own tools and tests.
    MapPicture& mapPicture() { return *mapPicture_; }
    MapBoard& mapBoard() { return *mapBoard_; }
    CounterMgr& counterMgr() { return *counterMgr_; }
    TaggerMgr& taggerMgr() { return *taggerMgr_; }
    MapView& mapView() { return *mapView_; }
    QLabel& dragImage() { return *bDragImage_; }
    QMenu& popupMenu() { return *bMainPopupMenu_; }
    // Korva's own commands beyond the speed bar (new game, e-mail, zoom, ...).
    QToolBar& korvaToolBar() { return *bKorvaToolBar_; }
    int lastHex() const { return lastHex_; }
    int dragFromHex() const { return dragFromHex_; }
    int undoToHex() const { return undoToHex_; }
    bool isDragging() const { return isDragging_; }
    bool hasUnsavedChanges() const { return unsaved_; }
    // Before the game is closed or replaced: asks about unsaved changes (Yes saves first).
    // True when the caller may go on.
    bool maybeSaveChanges();
    QString statusText(int panel) const;
    std::array<std::string, 3> bannerTexts() const;

    // The commands, as the buttons and the pop-up menu run them.
    void sbOpenClick();
    void sbSaveClick();
    void sbUndoClick();
    void sbAboutClick();
    void SpeedButton1Click();
    void pmFlipClick();
    void pmNewClick();
    void pmReturnClick();
    void pmCOmbatClick();
    void pmShowCOmbatClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void setUpControls();
    void connectCommands();

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
    // Writes the report beside a move file that was just saved; false with *error set when
    // it could not be written.
    static bool saveReport(const QString& reportName, const QString& moveFileName,
                           const QByteArray& report, QString* error);
    void markChanged() { unsaved_ = true; }
    // A picture that could not be read and was replaced from the next source: noted now,
    // told in one warning once the command that drew it has finished.
    void notePictureFallback(const QString& note);
    void showPictureFallbacks();

    std::unique_ptr<Ui::TMainForm> ui_;
    MainFormSetup setup_;
    std::unique_ptr<Prompts> prompts_;

    // The two picture modules: map and tag pictures, counter and marker pictures.
    std::unique_ptr<PictureModule> resModule1_;
    std::unique_ptr<PictureModule> resModule2_;
    std::unique_ptr<CounterMgr> counterMgr_;
    std::unique_ptr<MapBoard> mapBoard_;
    std::unique_ptr<TaggerMgr> taggerMgr_;
    std::unique_ptr<MapPicture> mapPicture_;
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
    QMenu* bMainPopupMenu_ = nullptr;
    QToolBar* bKorvaToolBar_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    std::unique_ptr<TShowCombatDlg> showCombatDlg_;
};
