#pragma once

#include <string>

class ParameterValue;

// The level meters as the program's meter pages draw them: the unit reports 1023 for full scale
// and 64 steps for every 6.02 dB (a factor of two) below it, and a reading of nothing is no
// signal at all. The scale runs from -60 dB to 0 dB.
class LevelMeterScale {
public:
    static constexpr double minimumDb = -60;

    static double decibels(const ParameterValue& raw);
    // "Input 1    -6.0 dB |##########################            |"
    static std::string line(const std::string& channel, double decibels);
};
