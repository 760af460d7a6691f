#pragma once

#include "app/shell/featurecontext.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <functional>

class GameDiceDialog;
class QObject;

// The game's dice: every roll of the game from its history, and how fair each die looks,
// in a window of their own. Read off the window's thread: a history may hold huge records.
class GameDiceReader {
    Q_DECLARE_TR_FUNCTIONS(TurnFeature)
public:
    // `owner` is the context the readings report to; `hexChosen` hears of a roll's hex
    // chosen in the window.
    GameDiceReader(const FeatureContext& context, QObject& owner,
                   std::function<void(int hex)> hexChosen);
    ~GameDiceReader();

    // Reads the dice afresh and shows them; a notice when the history holds none of them.
    void show();
    // Made at its first use.
    GameDiceDialog* dialog() const { return dialog_; }

private:
    FeatureContext context_;
    QObject& owner_;
    std::function<void(int)> hexChosen_;
    GameDiceDialog* dialog_ = nullptr;
    // Each reading is numbered; only the last one asked shows.
    quint64 reading_ = 0;
    // Last: it is gone, its reading finished, before anything it reports to.
    QThreadPool reader_;
};
