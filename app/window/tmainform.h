#pragma once

#include "app/shell/processlauncher.h"
#include "app/shell/prompts.h"
#include "game/session.h"

#include <QDBusConnection>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class TMainForm;
}
class CommandTable;
class DialogFit;
class ExportFeature;
class FilesFeature;
class FindFeature;
class Game;
class GamesFeature;
class KorvaSettings;
class MapFeature;
class MapOverlay;
class MapView;
class NoticeBar;
class PictureModule;
class PlayFeature;
class QToolBar;
class TurnFeature;

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
    // Where desktop notifications go; unset means the session bus.
    std::optional<QDBusConnection> notificationBus;
};

// The main window: the speed bar with its banner boxes, the map in its scroll box and the
// status bar, around the session it holds. It builds the features (the map's view commands,
// play on the map, finding counters, the turn, the move files, the games), places their tool
// bars, docks and overlays, and keeps the caption, the banners, the keyboard's place, closing
// and files dropped on it.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormSetup setup, QWidget* parent = nullptr);
    ~TMainForm() override;

    Session& session() { return *session_; }
    const Game& game() const;
    CommandTable& commands() { return *commands_; }
    MapView& mapView() { return *mapView_; }
    // Notices over the top of the map (a suggestion, a warning, where the past shows).
    NoticeBar& noticeBar() { return *noticeBar_; }
    // Korva's own commands beyond the speed bar (new game, e-mail, zoom, ...).
    QToolBar& korvaToolBar() { return *bKorvaToolBar_; }
    MapFeature& mapFeature() { return *mapFeature_; }
    PlayFeature& play() { return *play_; }
    FindFeature& find() { return *find_; }
    TurnFeature& turn() { return *turn_; }
    FilesFeature& files() { return *files_; }
    GamesFeature& games() { return *games_; }
    ExportFeature& exports() { return *exports_; }
    std::array<std::string, 3> bannerTexts() const;
    // About, then the die-roll trace appended as the About window closes.
    void sbAboutClick();
    // Language…: the language Korva speaks from its next start.
    void chooseLanguage();

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
    void buildFeatures();
    void placeFeatures();
    void connectBanners();
    // What follows a new position: the banners, the caption, the keyboard.
    void positionReplaced(Session::Change change);
    void setBannerTexts(const std::array<std::string, 3>& texts);
    // "Korva", "Korva : new game", "Korva : <file title>", or the past shown.
    QString captionText() const;
    void showCaption();
    // After the position was replaced: the map has the keyboard, unless the player is
    // typing in a field that is still there.
    void keyboardToMap();
    void catchStrayFocus(QWidget* old, QWidget* now);
    void openDropped(const QString& fileName, const QString& refusal);
    // A picture that could not be read and was replaced from the next source: noted now,
    // told in one warning once the command that drew it has finished.
    void notePictureFallback(const QString& note);
    void showPictureFallbacks();

    std::unique_ptr<Ui::TMainForm> ui_;
    MainFormSetup setup_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<KorvaSettings> settings_;
    DialogFit* dialogFit_ = nullptr;
    std::unique_ptr<Session> session_;
    MapView* mapView_ = nullptr;
    NoticeBar* noticeBar_ = nullptr;
    QToolBar* bKorvaToolBar_ = nullptr;
    CommandTable* commands_ = nullptr;
    std::unique_ptr<MapFeature> mapFeature_;
    std::unique_ptr<PlayFeature> play_;
    std::unique_ptr<FindFeature> find_;
    std::unique_ptr<TurnFeature> turn_;
    std::unique_ptr<FilesFeature> files_;
    std::unique_ptr<GamesFeature> games_;
    std::unique_ptr<ExportFeature> exports_;
    // The overlays placed on the map, in painting order.
    QList<MapOverlay*> overlays_;
    // A close asked for during the return slide, done once it has ended.
    bool closePending_ = false;
    // The boxes are being set to the game's banners: no edit of the player's.
    bool showingBanners_ = false;
    QStringList pictureNotes_;
    bool pictureWarningDue_ = false;
};
