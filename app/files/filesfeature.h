#pragma once

#include "app/shell/featurecontext.h"
#include "game/session.h"
#include "history/arrivedmove.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class MapFeature;
class PlayFeature;
class ProcessLauncher;
class QAction;
class QMenu;
class QMimeData;
class RecentFiles;
class StartPage;
struct TurnMail;

// The move files: Open and Save with their questions, New game, the recent files under the
// Open button, sending a saved turn by e-mail, and the start page that offers them until a
// game is opened or started. The session reads and writes; this asks the player and tells
// what happened.
class FilesFeature : public QObject {
    Q_OBJECT
public:
    FilesFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play,
                 std::unique_ptr<ProcessLauncher> launcher);
    ~FilesFeature() override;

    // For the Korva tool bar: New game and Send by e-mail.
    QList<QAction*> toolBarActions() const;
    // The move files opened or saved last; filled each time it opens.
    QMenu& recentMenu() { return *recentMenu_; }

    // The commands as the buttons run them: each asks its questions first.
    void sbOpenClick();
    void sbSaveClick();
    void actNewGameClick();
    // Reads a move file and shows its position; a refused file changes nothing.
    bool OpenMove(const QString& fileName);
    // Save without its questions: writes file and report; true when saved.
    bool SaveMove(const QString& fileName, bool endOfTurn);
    // New game without its questions: every counter in the holding area, no combat tags,
    // the default banners, nothing unsaved; turn 1 as the setup says.
    void NewGame(const NewGameSetup& setup = {});
    // A recent move file: asks about unsaved changes first, like Open.
    void openRecent(const QString& fileName);
    // Before the game is closed or replaced: asks about unsaved changes (Yes saves first).
    // True when the caller may go on.
    bool maybeSaveChanges();
    // Hands the last saved move file and report to the desktop's mail composer.
    void sendByEmail();
    // The move file a drop brings, or an empty text and the reason it is refused.
    static QString droppedMoveFile(const QMimeData& data, QString* refusal);
    // Over the empty map until a game is opened or started; null after. Built when first
    // asked for, or as the window's events start with no game shown (a start with a file
    // named never builds it, nor reads the history for it).
    StartPage* startPage();
    // The moves that came into watched folders, shown by the start page's games.
    void showArrivedMoves(const QHash<QString, ArrivedMove>& arrived);
    // The folder Save starts in: the game's file's, else the one used last.
    QString saveFolder() const;

private:
    void fillRecentMenu();
    void buildStartPage();
    // A move file was opened or saved: its folder and the recent list remember it, once
    // the map has painted.
    void noteFileUsed(const QString& fileName);
    void writeUsedFiles();
    // The last save, ready to be sent by e-mail; an empty name forgets it (the game it
    // holds was replaced).
    void noteSavedTurn(const QString& fileName);
    // What an Open tells beside the position: the file's notes and the reasons to look
    // twice before answering it, with the warnings told while it was read, in one notice
    // that replaces any earlier one.
    void tellOpened(const Session::OpenOutcome& outcome, const QStringList& warnings);

    FeatureContext context_;
    MapFeature& mapFeature_;
    PlayFeature& play_;
    std::unique_ptr<ProcessLauncher> launcher_;
    std::unique_ptr<RecentFiles> recentFiles_;
    // Opened or saved, not yet in the settings.
    QStringList usedFiles_;
    QMenu* recentMenu_ = nullptr;
    // The last save, ready to be sent; null before a save and after an Open.
    std::unique_ptr<TurnMail> savedTurn_;
    QPointer<StartPage> startPage_;
    // A game was opened or started: no start page any more.
    bool gameShown_ = false;
    // The moves that came into watched folders, for a start page built later.
    QHash<QString, ArrivedMove> arrived_;
    // While a file is opened: where the session's warnings go.
    QStringList* openWarnings_ = nullptr;
};
