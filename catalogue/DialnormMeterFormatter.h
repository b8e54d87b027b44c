#pragma once

#include "model/ParameterFormatter.h"

// The measured dialogue level, -40 to 20 for codes 60 to 120; "***" when there is no valid
// measurement.
class DialnormMeterFormatter : public ParameterFormatter {
public:
    explicit DialnormMeterFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
