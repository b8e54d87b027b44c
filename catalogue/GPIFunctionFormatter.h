#pragma once

#include "model/ParameterFormatter.h"

// The function assigned to a general-purpose input line.
class GPIFunctionFormatter : public ParameterFormatter {
public:
    explicit GPIFunctionFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
