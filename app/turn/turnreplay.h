#pragma once

#include "app/shell/featurecontext.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class Game;
class QObject;
class QToolBar;
class ReplayController;
class ReplayLayer;
struct ReplayStep;

// The turn's replay: its clock, its drawing over the map, its own bar (play or pause, a
// step, the speed; shown while a replay runs) and the notice of the combat it shows.
class TurnReplay {
    Q_DECLARE_TR_FUNCTIONS(TurnFeature)
public:
    // Connects the bar's actions with `owner` as their context.
    TurnReplay(const FeatureContext& context, const Game& game, QObject& owner);
    ~TurnReplay();

    ReplayController& controller() { return *controller_; }
    ReplayLayer& layer() const { return *layer_; }
    QToolBar& bar() { return *bar_; }

    void start(std::vector<ReplayStep> steps);
    // Stops a replay under way and hides the bar.
    void stop();

private:
    void setUpBar(QObject& owner);
    void changed();

    FeatureContext context_;
    std::unique_ptr<ReplayController> controller_;
    std::unique_ptr<ReplayLayer> layer_;
    QToolBar* bar_ = nullptr;
    // The notice of the combat the replay shows, and its step.
    QString combatNotice_;
    std::size_t combatStep_ = 0;
};
