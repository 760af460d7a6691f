#include "app/turn/gamedicereader.h"

#include "app/shell/noticebar.h"
#include "app/turn/gamedicedialog.h"
#include "game/game.h"
#include "game/session.h"
#include "game/turnkeeper.h"
#include "history/gamedicelog.h"

#include <QMainWindow>
#include <QPointer>

GameDiceReader::GameDiceReader(const FeatureContext& context, QObject& owner,
                               std::function<void(int)> hexChosen)
    : context_(context), owner_(owner), hexChosen_(std::move(hexChosen)) {
    reader_.setMaxThreadCount(1);
}

GameDiceReader::~GameDiceReader() = default;

void GameDiceReader::show() {
    const GameHistory* history = context_.session.history();
    const std::optional<GameId>& game = context_.session.game().turn().gameId();
    if (!history || !game) {
        context_.notices.showNotice(tr("The game's dice come from its history, which holds "
                                       "nothing of this game yet: open or save a file of it "
                                       "first."),
                                    10000);
        return;
    }
    if (!dialog_) {
        dialog_ = new GameDiceDialog(&context_.window);
        QObject::connect(dialog_, &GameDiceDialog::hexChosen, &owner_,
                         [this](int hex) { hexChosen_(hex); });
    }
    // The copies of the last Open or Save may still be on their way.
    context_.session.waitForHistory();
    dialog_->setReading();
    const quint64 reading = ++reading_;
    reader_.start([this, history = GameHistory(*history), game = *game, reading,
                   dialog = QPointer<GameDiceDialog>(dialog_)] {
        GameDiceLog log = gameDiceLog(history, game);
        QMetaObject::invokeMethod(&owner_, [this, log = std::move(log), reading, dialog]() mutable {
            if (reading == reading_ && dialog)
                dialog->setLog(std::move(log));
        });
    });
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}
