#pragma once

#include "model/ParameterFormatter.h"

// The video frame rate the unit is locked to; any code that is not a rate means it has no lock.
class FrameRateFormatter : public ParameterFormatter {
public:
    explicit FrameRateFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
