#pragma once

#include <cstdint>
#include <optional>

#include "app/frames/CMeterBar.h"
#include "app/observers/MeterSettings.h"
#include "app/observers/Win32WidgetObserver.h"

class Clock;
class MeterScaler;

// A level bar with ballistics: the level shown moves towards the parameter's level no faster
// than the rise and fall rates allow, measured on the clock.
class Win32MeterObserver : public Win32WidgetObserver {
public:
    // QuenlarException "Null meter window" or "Null meter scaler" when one is missing. The scaler
    // and the clock are not owned.
    Win32MeterObserver(CMeterBar* bar, int controlId, const MeterScaler* scaler,
                       const MeterSettings& settings, const Clock& clock);

    void update(Parameter& parameter) override;

private:
    double target(const Parameter& parameter) const;
    double withBallistics(double target, std::uint64_t now) const;

    CMeterBar* bar_;
    const MeterScaler* scaler_;
    MeterSettings settings_;
    const Clock& clock_;
    double shown_ = 0;
    std::optional<std::uint64_t> shownAt_;
};
