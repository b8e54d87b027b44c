#pragma once

#include "model/ParameterFormatter.h"

// The channel layout as front/rear channel counts; code 0 is not a layout.
class ACModeFormatter : public ParameterFormatter {
public:
    explicit ACModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
