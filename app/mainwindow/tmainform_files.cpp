// Saving and opening moves.
#include "app/mainwindow/tmainform.h"

#include "counters/movereport.h"
#include "counters/newgamelayout.h"
#include "game/game.h"
#include "movefile/movefile.h"
#include "ui_mainform.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

// The hourglass while a file is read or written, whatever happens meanwhile.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

QString TMainForm::FileTitle(const QString& fileName) {
    // The file's name without its folder and without its last four characters (".krv").
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype n = name.size() - 4;
    return n > 0 ? name.left(n) : QString();
}

void TMainForm::sbSaveClick() {
    CancelDrag(); // Ctrl+S while a counter is held: the counter stays where it was
    if (game_->showsPast())
        return; // the past is read-only
    const QMessageBox::StandardButton answer = prompts_->askEndOfTurn();
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    const QString fileName = prompts_->chooseSaveFile(startFolder());
    if (fileName.isEmpty())
        return;
    SaveMove(fileName, answer == QMessageBox::Yes);
}

bool TMainForm::SaveMove(const QString& fileName, bool endOfTurn) {
    // The report shows this turn's moves, so its text is made before any end of turn; it
    // goes to disk only after the move file, so a failed save never leaves a new report
    // beside an old move file.
    const QByteArray report = game_->report();

    QString error;
    bool saved = false;
    QByteArray bytes;
    {
        BusyCursor busy;
        try {
            // Korva's own block follows the three sections; its turn start is this turn's,
            // from before any end of turn.
            bytes = game_->savedFile(endOfTurn);
            saved = saveFileSafely(fileName, bytes, &error);
        } catch (const MoveFileError& refused) {
            error = QString::fromStdString(refused.what());
        }
    }
    if (!saved) {
        // The previous file is untouched and the turn goes on.
        prompts_->showWarning(QStringLiteral("Could not create a new file") +
                              (error.isEmpty() ? QString() : QStringLiteral("\n") + error));
        return false;
    }
    if (endOfTurn)
        game_->endTurn();
    setCaption(QStringLiteral("Korva : ") + FileTitle(fileName));
    markSaved();
    noteFileUsed(fileName);
    noteSavedTurn(fileName);
    gameFile_ = fileName;

    bool reportSaved = false;
    {
        BusyCursor busy;
        reportSaved = saveMoveReport(fileName, report, &error);
    }
    if (!reportSaved)
        prompts_->showWarning(
            QStringLiteral("The move file was saved, but the move report was not.\n%1: %2")
                .arg(QDir::toNativeSeparators(reportFileName(fileName)), error));
    keepInHistory(bytes, fileName, true);
    return true;
}

void TMainForm::sbOpenClick() {
    CancelDrag();
    if (!maybeSaveChanges())
        return;
    const QString fileName = prompts_->chooseOpenFile(startFolder());
    if (!fileName.isEmpty())
        OpenMove(fileName);
}

bool TMainForm::OpenMove(const QString& fileName) {
    // The held counter belongs to the position about to be replaced.
    CancelDrag();
    backToPresent();
    bool placeholders = false;
    QString warning;
    try {
        BusyCursor busy;
        const OpenedMoveFile opened = readOpenedMoveFile(fileName);
        placeholders = newgame::isPlaceholderPosition(opened.contents.counters);
        // The whole file is good: replace the position in one step, which puts everything
        // back when it fails half-way.
        warning = takeOpenedTurn(opened, fileName);
    } catch (const std::exception& error) {
        prompts_->showWarning(QStringLiteral("Can not open file\n") +
                              QString::fromLocal8Bit(error.what()));
        return false;
    }
    // Nothing below can fail: the banners, the undo record, the caption and the unsaved
    // mark change only with a position that opened whole.
    setBannerTexts(game_->banners());
    // An undo may never move a counter of the freshly opened position.
    clearUndoRecord();
    setCaption(QStringLiteral("Korva : ") + FileTitle(fileName));
    markSaved();
    noteFileUsed(fileName);
    noteSavedTurn(QString()); // the game the last save holds is gone
    gameFile_ = fileName;
    showOpenedTurn(true);
    if (placeholders)
        suggestNewGame();
    showWarnings({warning});
    // The pointer's hex may hold other counters now.
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
    keyboardToMap();
    return true;
}
