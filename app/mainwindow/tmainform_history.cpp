// Korva's own block in the move files, and the game's history.
#include "tmainform.h"

#include "gamehistory.h"
#include "openedmovefile.h"
#include "turnkeeper.h"
#include "ui_mainform.h"

#include <QStatusBar>

QStringList TMainForm::takeOpenedTurn(const OpenedMoveFile& file, const QString& fileName) {
    const HistoryContext context =
        history_ ? history_->contextFor(file.extension.gameId, fileName) : HistoryContext{};
    turnKeeper_->opened(file, context.folderGame, context.ownLastPosition);
    return {file.extensionWarning, keepInHistory(file.bytes, fileName, false)};
}

QString TMainForm::keepInHistory(const QByteArray& bytes, const QString& fileName, bool saved) {
    if (!history_)
        return {};
    return history_->record(bytes, turnKeeper_->gameId(), fileName,
                            saved ? HistoryEntry::Kind::Saved : HistoryEntry::Kind::Opened);
}

void TMainForm::showWarnings(const QStringList& warnings) {
    QStringList shown;
    for (const QString& warning : warnings)
        if (!warning.isEmpty())
            shown << warning;
    if (!shown.isEmpty())
        ui_->bMainStatusBar1->showMessage(shown.join(QLatin1Char(' ')), 30000);
}
