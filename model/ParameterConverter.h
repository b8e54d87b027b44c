#pragma once

#include <string>

#include "model/ParameterValue.h"

// Translates between the text of an edit control and the value the unit carries. Numbers are
// written and read with a decimal point, whatever the process locale says.
class ParameterConverter {
public:
    virtual ~ParameterConverter() = default;
    // True and value set when text could be read; false and value untouched otherwise.
    virtual bool parse(ParameterValue& value, const std::string& text) const = 0;
    virtual void format(std::string& text, const ParameterValue& value) const = 0;
    // Whether its numbers have decimals, so that typed text may use the operator's decimal comma.
    virtual bool takesDecimals() const { return false; }
};
