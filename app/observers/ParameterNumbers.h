#pragma once

#include <cstdint>

#include "model/ControlParameter.h"
#include "model/Parameter.h"

// The observers read and write values as 16-bit signed numbers.
class ParameterNumbers {
public:
    static int value(const Parameter& parameter) { return parameter.getValue().toInt16(); }
    static int minimum(const Parameter& parameter) { return parameter.getMinimum().toInt16(); }
    static int maximum(const Parameter& parameter) { return parameter.getMaximum().toInt16(); }
    static bool inRange(const Parameter& parameter, int number) {
        return minimum(parameter) <= number && number <= maximum(parameter);
    }
    // Writes even when the unit is believed to hold the value; only control parameters write.
    static void force(Parameter& parameter, int number) {
        if (auto* control = dynamic_cast<ControlParameter*>(&parameter))
            control->forceValue(number);
    }
};
