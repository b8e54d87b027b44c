#include "tools/vx41ctl/LevelMeterScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/ParameterValue.h"

namespace {
constexpr int barWidth = 40;
} // namespace

double LevelMeterScale::decibels(const ParameterValue& raw) {
    constexpr double fullScale = 1023;
    constexpr double noSignal = 0.00001;
    static const double decibelsPerStep = 20.0 * std::log10(2.0) / 64.0;
    const double reading = raw.toInt16();
    if (reading < noSignal)
        return minimumDb;
    return std::max((reading - fullScale) * decibelsPerStep, minimumDb);
}

std::string LevelMeterScale::line(const std::string& channel, double decibels) {
    const double shown = std::round(decibels * 10) / 10;
    const auto filled =
        static_cast<int>(std::lround((decibels - minimumDb) / -minimumDb * barWidth));
    const int width = std::clamp(filled, 0, barWidth);
    char text[64];
    // + 0.0 turns a level that rounds to -0.0 into 0.0.
    std::snprintf(text, sizeof text, "%-8s %6.1f dB |", channel.c_str(), shown + 0.0);
    return text + std::string(static_cast<std::size_t>(width), '#') +
           std::string(static_cast<std::size_t>(barWidth - width), ' ') + "|";
}
