#pragma once

#include "app/turn/replayplan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

// The clock of a replay: which step shows and how far along it is, played at a speed,
// paused, or stepped by hand. It knows nothing of the map; its view follows changed().
class ReplayController : public QObject {
    Q_OBJECT
public:
    // How long a step takes at speed 1.
    static constexpr int kMoveMs = 900;
    static constexpr int kCombatMs = 1600;

    explicit ReplayController(QObject* parent = nullptr);

    // From the first step, playing. No steps: nothing runs.
    void start(std::vector<ReplayStep> steps);
    // Ends the replay wherever it is.
    void stop();
    void play();
    void pause();
    // Paused, with one more step shown whole: the current one, else the next.
    void step();
    // 0.5, 1, 2 or 4 times as fast; anything else is brought into that range.
    void setSpeed(double speed);
    // Moves the clock by so many milliseconds of the replay's time at speed 1 (the timer
    // calls it; tests call it instead of waiting).
    void advance(int ms);

    bool isActive() const { return active_; }
    bool isPlaying() const { return playing_; }
    bool isFinished() const { return active_ && current_ >= steps_.size(); }
    double speed() const { return speed_; }
    const std::vector<ReplayStep>& steps() const { return steps_; }
    // The step showing, steps().size() once all are done.
    std::size_t current() const { return current_; }
    // 0 at the step's start, 1 at its end.
    double progress() const { return progress_; }

signals:
    // Anything shown may differ: the step, its progress, playing or not, the end.
    void changed();

private:
    void tick();

    std::vector<ReplayStep> steps_;
    std::size_t current_ = 0;
    double progress_ = 0;
    double speed_ = 1;
    bool active_ = false;
    bool playing_ = false;
    QTimer timer_;
    QElapsedTimer clock_;
};
