#include "app/map/zoom.h"

#include <algorithm>
#include <cmath>

namespace {
// Scales this close to a step count as that step.
constexpr qreal kSameStep = 1e-6;
} // namespace

Zoom::Zoom(QObject* parent) : QObject(parent) {}

int Zoom::percent() const {
    return static_cast<int>(std::lround(scale_ * 100.0));
}

qreal Zoom::scaleOfPercent(int percent) {
    if (percent < 25 || percent > 400)
        return 0.0;
    if (percent == 33)
        return kSteps[1];
    if (percent == 67)
        return kSteps[3];
    return percent / 100.0;
}

bool Zoom::canZoomIn() const {
    return scale_ < kSteps.back() - kSameStep;
}

bool Zoom::canZoomOut() const {
    return scale_ > kSteps.front() + kSameStep;
}

void Zoom::setScale(qreal scale) {
    if (!std::isfinite(scale))
        return;
    scale = std::clamp(scale, kMinimum, kMaximum);
    // A scale next to a step is that step, so that 100% is exactly the map's own size.
    for (const qreal step : kSteps)
        if (std::abs(scale - step) < kSameStep)
            scale = step;
    if (scale == scale_)
        return;
    scale_ = scale;
    emit scaleChanged(scale_);
}

void Zoom::zoomIn() {
    const auto next = std::find_if(kSteps.begin(), kSteps.end(),
                                   [this](qreal step) { return step > scale_ + kSameStep; });
    if (next != kSteps.end())
        setScale(*next);
}

void Zoom::zoomOut() {
    const auto next = std::find_if(kSteps.rbegin(), kSteps.rend(),
                                   [this](qreal step) { return step < scale_ - kSameStep; });
    if (next != kSteps.rend())
        setScale(*next);
}

void Zoom::resetZoom() {
    setScale(1.0);
}
