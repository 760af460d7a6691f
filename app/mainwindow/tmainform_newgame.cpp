// New game: every counter set out in the off-board holding area, ready for the players to
// drag to their set-up hexes.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "app/mainwindow/noticebar.h"
#include "app/pictures/newgameglyph.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "movefile/movefilereader.h"
#include "movefile/newgamefile.h"
#include "ui_mainform.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

void TMainForm::setUpNewGameCommand() {
    auto* action = new QAction(QIcon(QPixmap::fromImage(programart::newGameGlyph())),
                               QStringLiteral("New game"), this);
    action->setObjectName(QStringLiteral("actNewGame"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    action->setToolTip(QStringLiteral("New game (Ctrl+N)"));
    connect(action, &QAction::triggered, this, &TMainForm::actNewGameClick);
    bKorvaToolBar_->addAction(action);
}

void TMainForm::actNewGameClick() {
    if (maybeSaveChanges())
        NewGame();
}

void TMainForm::NewGame() {
    // Neither a drag in progress nor an undo may move a counter of the replaced game.
    CancelDrag();
    // The same path as opening a file: counters, tags and board replaced in one step.
    game_->newGame();
    setBannerTexts(game_->banners());
    clearUndoRecord();
    setCaption(QStringLiteral("Korva : new game"));
    markSaved();
    noteSavedTurn(QString()); // the game the last save holds is gone
    gameFile_.clear();
    showOpenedTurn(false);
    noticeBar_->clearNotice();
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
    showHoldingArea();
    keyboardToMap();
}

void TMainForm::showHoldingArea() {
    // The holding area's left edge at the view's left, or as far right as the map goes.
    const int left = hexgrid::hexPosition(hexgrid::hexIndexOf(hexgrid::kBoardColumns, 0)).x -
                     hexgrid::kSideOverhang;
    mapView_->placeMapPoint(QPointF(left, 0), QPointF(0, 0));
}

void TMainForm::suggestNewGame() {
    noticeBar_->showNotice(
        QStringLiteral("No game in this file: every counter stands in its placeholder hex "
                       "(1 to 234). New game (Ctrl+N) sets them out off board."),
        20000);
}
