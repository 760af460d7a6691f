#pragma once

#include <QString>

#include <deque>
#include <map>

// At most `most` times per key (a player, an address) in any window of `windowMs`: what
// each key did within the last window, and nothing older, so that its memory is bounded by
// what strangers may do in one window.
class RateLimit {
public:
    RateLimit(qint64 most, qint64 windowMs) : most_(most), windowMs_(windowMs) {}

    // Counts the time and answers true when the key is within its limit; false, counting
    // nothing, when it is not.
    bool allow(const QString& key, qint64 nowMs) {
        if (nowMs - lastSweep_ >= windowMs_) {
            for (auto it = times_.begin(); it != times_.end();)
                it = it->second.back() <= nowMs - windowMs_ ? times_.erase(it) : std::next(it);
            lastSweep_ = nowMs;
        }
        std::deque<qint64>& times = times_[key];
        while (!times.empty() && times.front() <= nowMs - windowMs_)
            times.pop_front();
        if (qint64(times.size()) >= most_) {
            retryAfterMs_ = times.front() + windowMs_ - nowMs;
            return false;
        }
        times.push_back(nowMs);
        return true;
    }
    // After a refusal: how long until the key may again, in whole seconds.
    qint64 retryAfterSeconds() const { return (retryAfterMs_ + 999) / 1000; }

private:
    qint64 most_;
    qint64 windowMs_;
    std::map<QString, std::deque<qint64>> times_;
    qint64 lastSweep_ = 0;
    qint64 retryAfterMs_ = 0;
};
