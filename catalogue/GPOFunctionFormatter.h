#pragma once

#include "model/ParameterFormatter.h"

// The function assigned to a general-purpose output line.
class GPOFunctionFormatter : public ParameterFormatter {
public:
    explicit GPOFunctionFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
