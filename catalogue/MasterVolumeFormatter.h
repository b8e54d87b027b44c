#pragma once

#include <cstdint>

#include "model/ParameterFormatter.h"

// The master volume in 0.5 dB steps around the position that means 0 dB.
class MasterVolumeFormatter : public ParameterFormatter {
public:
    MasterVolumeFormatter(std::string name, std::int16_t zero)
        : ParameterFormatter(std::move(name)), zero_(zero) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int16_t zero_;
};
