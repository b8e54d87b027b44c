#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

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

inline void expectTexts(const ParameterFormatter& formatter, const std::vector<TextCase>& cases) {
    for (const auto& [value, text] : cases)
        EXPECT_EQ(textOf(formatter, value), text) << formatter.name() << " of " << value.toInt16();
}
