#pragma once

#include "model/ParameterFormatter.h"

// A duration in whole seconds (unsigned 16-bit) as hours, minutes and seconds ("18:12:15").
class SecondsFormatter : public ParameterFormatter {
public:
    explicit SecondsFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
