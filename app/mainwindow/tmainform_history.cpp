// Korva's own block in the move files, and the game's history.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/noticebar.h"
#include "game/game.h"
#include "history/historywriter.h"
#include "movefile/openedmovefile.h"
#include "movefile/turnkeeper.h"
#include "ui_mainform.h"

#include <QStatusBar>

const GameHistory* TMainForm::gameHistory() const {
    return historyWriter_ ? &historyWriter_->history() : nullptr;
}

void TMainForm::waitForHistory() {
    if (historyWriter_)
        historyWriter_->waitForDone();
}

QString TMainForm::takeOpenedTurn(const OpenedMoveFile& file, const QString& fileName) {
    // The player's own last save may still be on its way into the history.
    waitForHistory();
    const HistoryContext context =
        historyWriter_ ? historyWriter_->history().contextFor(file, fileName) : HistoryContext{};
    game_->open(file, context.folderGame, context.ownLastFile);
    keepInHistory(file.bytes, fileName, false);
    return file.extensionWarning;
}

void TMainForm::keepInHistory(const QByteArray& bytes, const QString& fileName, bool saved) {
    if (!historyWriter_)
        return;
    historyWriter_->keep(bytes, game_->turn().gameId(), fileName,
                         saved ? HistoryEntry::Kind::Saved : HistoryEntry::Kind::Opened, this,
                         [this](const QString& warning) { showWarnings({warning}); });
}

void TMainForm::showWarnings(const QStringList& warnings) {
    QStringList shown;
    for (const QString& warning : warnings)
        if (!warning.isEmpty())
            shown << warning;
    if (!shown.isEmpty())
        noticeBar_->showNotice(shown.join(QLatin1Char(' ')), 30000);
}
