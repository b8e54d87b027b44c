#include "app/observers/Win32MeterObserver.h"

#include <algorithm>

#include "app/observers/MeterScaler.h"
#include "model/Clock.h"
#include "model/Parameter.h"
#include "model/QuenlarException.h"

Win32MeterObserver::Win32MeterObserver(CMeterBar* bar, int controlId, const MeterScaler* scaler,
                                       const MeterSettings& settings, const Clock& clock)
    : Win32WidgetObserver(bar, controlId), bar_(bar), scaler_(scaler), settings_(settings),
      clock_(clock) {
    if (bar == nullptr)
        throw QuenlarException("Null meter window");
    if (scaler == nullptr)
        throw QuenlarException("Null meter scaler");
    bar_->setScale(settings_.horizontal, settings_.minimum, settings_.reference, settings_.maximum);
}

void Win32MeterObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    if (!parameter.isEnabled()) {
        bar_->showDisabled();
        return;
    }
    const std::uint64_t now = clock_.milliseconds();
    shown_ = withBallistics(target(parameter), now);
    shownAt_ = now;
    bar_->setLevel(shown_);
}

double Win32MeterObserver::target(const Parameter& parameter) const {
    // The meter's own floor: the parameter's minimum is the raw device floor, not a level.
    const double level = scaler_->scale(parameter.getValue(), settings_.minimum);
    return std::min(level * settings_.multiplier, settings_.maximum);
}

double Win32MeterObserver::withBallistics(double target, std::uint64_t now) const {
    if (!shownAt_)
        return target;
    const double seconds = static_cast<double>(now - *shownAt_) / 1000.0;
    if (target > shown_ && settings_.riseRate > 0)
        return std::min(shown_ + settings_.riseRate * seconds, target);
    if (target < shown_ && settings_.fallRate > 0)
        return std::max(shown_ - settings_.fallRate * seconds, target);
    return target;
}
