#include "app/turn/replaycontroller.h"

#include <algorithm>

namespace {

constexpr int kFrameMs = 30;

} // namespace

ReplayController::ReplayController(QObject* parent) : QObject(parent) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &ReplayController::tick);
}

void ReplayController::start(std::vector<ReplayStep> steps) {
    steps_ = std::move(steps);
    current_ = 0;
    progress_ = 0;
    active_ = !steps_.empty();
    playing_ = false;
    if (active_)
        play();
    else
        emit changed();
}

void ReplayController::stop() {
    timer_.stop();
    const bool was = active_;
    active_ = false;
    playing_ = false;
    steps_.clear();
    current_ = 0;
    progress_ = 0;
    if (was)
        emit changed();
}

void ReplayController::play() {
    if (!active_)
        return;
    if (isFinished()) { // played again from the start
        current_ = 0;
        progress_ = 0;
    }
    playing_ = true;
    clock_.start();
    timer_.start();
    emit changed();
}

void ReplayController::pause() {
    if (!playing_)
        return;
    playing_ = false;
    timer_.stop();
    emit changed();
}

void ReplayController::step() {
    if (!active_)
        return;
    playing_ = false;
    timer_.stop();
    // Each press shows one more step whole; after the last, the first again.
    if (isFinished())
        current_ = 0;
    else if (progress_ >= 1)
        ++current_;
    progress_ = current_ < steps_.size() ? 1 : 0;
    emit changed();
}

void ReplayController::setSpeed(double speed) {
    speed_ = std::clamp(speed, 0.5, 4.0);
    emit changed();
}

void ReplayController::advance(int ms) {
    if (!active_ || isFinished())
        return;
    double left = ms * speed_;
    while (left > 0 && current_ < steps_.size()) {
        const double length =
            steps_[current_].kind == ReplayStep::Kind::Combat ? kCombatMs : kMoveMs;
        const double needed = (1 - progress_) * length;
        if (left < needed) {
            progress_ += left / length;
            break;
        }
        left -= needed;
        ++current_;
        progress_ = 0;
    }
    if (isFinished()) {
        playing_ = false;
        timer_.stop();
    }
    emit changed();
}

void ReplayController::tick() {
    // The wall clock, not the frame count: a busy machine skips frames, not time.
    const qint64 elapsed = clock_.restart();
    advance(int(std::min<qint64>(elapsed, 500)));
}
