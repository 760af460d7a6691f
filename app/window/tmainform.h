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
class BannerBoxes;
class CommandTable;
class DialogFit;
class ExportFeature;
class FilesFeature;
class FindFeature;
class Game;
class GamesFeature;
class ServerFeature;
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
    // Called between the slow steps of building the window (a slow start's splash); null
    // calls nothing.
    std::function<void()> progress;
};

// The main window: the speed bar with its banner boxes, the map in its scroll box and the
// status bar, around the session it holds. It builds the features (the map's view commands,
// play on the map, finding counters, the turn, the move files, the games), places their tool
// bars, docks and overlays, and closes; the banners, the caption, the keyboard's place,
// files dropped on it, About and Language… are parts of their own.
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
    MapFeature& mapFeature() { return *features_.map; }
    PlayFeature& play() { return *features_.play; }
    FindFeature& find() { return *features_.find; }
    TurnFeature& turn() { return *features_.turn; }
    FilesFeature& files() { return *features_.files; }
    GamesFeature& games() { return *features_.games; }
    ExportFeature& exports() { return *features_.exports; }
    // What the banner boxes show, as a save writes it.
    std::array<std::string, 3> bannerTexts() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The features, built in buildFeatures and taken apart in FormDestroy, each in its order.
    struct Features {
        std::unique_ptr<MapFeature> map;
        std::unique_ptr<PlayFeature> play;
        std::unique_ptr<FindFeature> find;
        std::unique_ptr<TurnFeature> turn;
        std::unique_ptr<FilesFeature> files;
        std::unique_ptr<GamesFeature> games;
        std::unique_ptr<ServerFeature> server;
        std::unique_ptr<ExportFeature> exports;
    };

    void FormCreate();
    void reportProgress() const;
    void FormDestroy();
    void setUpControls();
    void buildFeatures();
    void placeFeatures();
    // The speed buttons run the commands of the table and show their glyphs.
    void placeSpeedButtons();
    // The banners, the caption, the keyboard's place, drops, About and Language….
    void addWindowParts();

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
    Features features_;
    BannerBoxes* banners_ = nullptr;
    // The overlays placed on the map, in painting order.
    QList<MapOverlay*> overlays_;
    // A close asked for during the return slide, done once it has ended.
    bool closePending_ = false;
};
