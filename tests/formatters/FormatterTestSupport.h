#pragma once

#include <memory>
#include <string>

#include "model/ParameterFormatter.h"
#include "model/ParameterValue.h"

// The display text of value, taken through the base interface as the report and controls do.
inline std::string textOf(const ParameterFormatter& formatter, const ParameterValue& value) {
    std::string text = "stale";
    formatter.format(text, value);
    return text;
}

// One value and the text it must show.
struct TextCase {
    ParameterValue value;
    std::string text;
};
