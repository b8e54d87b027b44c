#pragma once

#include "model/ParameterFormatter.h"

// Dialogue normalization as a loudness below full scale ("-27"); the unit's code for a
// level below the range reads "Low".
class DialNormFormatter : public ParameterFormatter {
public:
    explicit DialNormFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
