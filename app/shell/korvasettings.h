#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

// The main window's place: its rectangle without the frame in its normal state, and whether
// it was maximized. Without the frame, because the window system draws the frame and Qt can
// only guess its size before the window shows.
struct WindowPlace {
    QRect client;
    bool maximized = false;
};

// What Korva remembers between runs: the folder of the last move file, the recent move
// files, the main window's place and its docks, the map's zoom, whether its overview shows
// and whether losses show as numbers, the folders watched for move files and the games
// archived, the dialogs' sizes. No game data and no mail settings are kept here.
class KorvaSettings {
public:
    // Without a store nothing is remembered (tests and tools that must leave the player's
    // own settings alone).
    explicit KorvaSettings(std::unique_ptr<QSettings> store = nullptr);
    ~KorvaSettings();
    KorvaSettings(const KorvaSettings&) = delete;
    KorvaSettings& operator=(const KorvaSettings&) = delete;

    // The player's own settings: ~/.config/Korva/Korva.conf once the application's
    // organisation and name are set.
    static std::unique_ptr<QSettings> userStore();

    // Where the file dialogs start; empty until a move file was opened or saved, and once
    // that folder is gone.
    QString lastFolder() const;
    // Remembers the folder of a move file just opened or saved.
    void noteFile(const QString& path);

    // The recent files as the settings hold them now, also when another Korva on the same
    // settings wrote them; setting them writes them out at once.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

    // Where the main window was closed; none on the first run.
    std::optional<WindowPlace> windowPlace() const;
    // QMainWindow::saveState(): its tool bars and docks; empty on the first run.
    QByteArray windowState() const;
    void setWindow(const WindowPlace& place, const QByteArray& state);

    // The map's zoom (1 is 100%); 1 on the first run and for a value that is not a scale.
    double zoom() const;
    // Whether the overview of the whole map shows; false on the first run.
    bool overviewShown() const;
    // Whether each counter's losses show as a number over it; false on the first run.
    bool readableLosses() const;
    void setView(double zoom, bool overviewShown, bool readableLosses);

    // The folders where move files arrive; none until the player picks one.
    QStringList watchedFolders() const;
    void setWatchedFolders(const QStringList& folders);
    // The games the player archived, by their folders in the history (GameHistory::gameKey).
    QStringList archivedGames() const;
    void setArchivedGames(const QStringList& games);

    // The size a dialog was last closed at, by its class name; invalid until then.
    QSize dialogSize(const QString& dialog) const;
    void setDialogSize(const QString& dialog, const QSize& size);

private:
    std::unique_ptr<QSettings> store_;
};
