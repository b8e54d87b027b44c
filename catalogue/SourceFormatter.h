#pragma once

#include "model/ParameterFormatter.h"

// Where a metadata value comes from. Every source selector shares the display name "Source".
class SourceFormatter : public ParameterFormatter {
public:
    SourceFormatter() : ParameterFormatter("Source") {}

    void format(std::string& text, const ParameterValue& value) const override;
};
