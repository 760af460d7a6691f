// Saving and opening moves.
#include "tmainform.h"

#include "countermgr.h"
#include "mapboard.h"
#include "movefile.h"
#include "newgamelayout.h"
#include "taggermgr.h"
#include "turnkeeper.h"
#include "ui_mainform.h"

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
    const QMessageBox::StandardButton answer = prompts_->askEndOfTurn();
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    const QString fileName = prompts_->chooseSaveFile(startFolder());
    if (fileName.isEmpty())
        return;
    SaveMove(fileName, answer == QMessageBox::Yes);
}

bool TMainForm::SaveMove(const QString& fileName, bool endOfTurn) {
    // The report shows this turn's moves, so it is written before any end of turn.
    counterMgr_->writeReport(fileName);

    QString error;
    bool saved = false;
    QByteArray bytes;
    {
        BusyCursor busy;
        try {
            // Korva's own block follows the three sections; its turn start is this turn's,
            // from before any end of turn.
            bytes = encodeMoveFile(*counterMgr_, *taggerMgr_, bannerTexts(), endOfTurn) +
                    encodeKorvaExtension(turnKeeper_->extensionForSave(*counterMgr_));
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
        counterMgr_->endTurn();
    turnKeeper_->saved(endOfTurn, *counterMgr_);
    setCaption(QStringLiteral("Korva : ") + FileTitle(fileName));
    markSaved();
    noteFileUsed(fileName);
    noteSavedTurn(fileName);
    keepInHistory(bytes, fileName, true);
    return true;
}

void TMainForm::sbOpenClick() {
    if (!maybeSaveChanges())
        return;
    const QString fileName = prompts_->chooseOpenFile(startFolder());
    if (!fileName.isEmpty())
        OpenMove(fileName);
}

bool TMainForm::OpenMove(const QString& fileName) {
    std::array<std::string, 3> banners;
    bool placeholders = false;
    QString warning;
    {
        BusyCursor busy;
        OpenedMoveFile opened;
        try {
            opened = readOpenedMoveFile(fileName);
        } catch (const MoveFileError& error) {
            prompts_->showWarning(QStringLiteral("Can not open file\n") +
                                  QString::fromStdString(error.what()));
            return false;
        }
        // The whole file is good: replace the position in one step.
        banners = openMoveFile(opened.contents, *counterMgr_, *taggerMgr_, *mapBoard_);
        placeholders = newgame::isPlaceholderPosition(opened.contents.counters);
        warning = takeOpenedTurn(opened, fileName);
    }
    setBannerTexts(banners);
    // An undo may never move a counter of the freshly opened position.
    clearUndoRecord();
    setCaption(QStringLiteral("Korva : ") + FileTitle(fileName));
    markSaved();
    noteFileUsed(fileName);
    noteSavedTurn(QString()); // the game the last save holds is gone
    if (placeholders)
        suggestNewGame();
    showWarnings({warning});
    // The pointer's hex may hold other counters now.
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
    return true;
}
