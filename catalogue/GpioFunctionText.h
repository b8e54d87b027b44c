#pragma once

#include <cstdint>
#include <string>

// The functions that GPI and GPO lines have in common, from "Preset 1" on. Each line kind puts
// its own functions in front of these, so a line's code minus the count of those is the position
// given here.
class GpioFunctionText {
public:
    static std::string of(std::int32_t position);
};
