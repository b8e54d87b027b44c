#pragma once

#include "catalogue/StringMapFormatter.h"

// The monitor dim level: 0 is "Off", 1..37 are -30 dB to +6 dB in 1 dB steps.
class DimLevelFormatter : public StringMapFormatter {
public:
    explicit DimLevelFormatter(std::string name);
};
