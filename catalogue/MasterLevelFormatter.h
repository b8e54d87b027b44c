#pragma once

#include <cstdint>

#include "model/ParameterFormatter.h"

// A master trim in 0.5 dB steps around the position that means 0 dB.
class MasterLevelFormatter : public ParameterFormatter {
public:
    MasterLevelFormatter(std::string name, std::int16_t zero)
        : ParameterFormatter(std::move(name)), zero_(zero) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int16_t zero_;
};
