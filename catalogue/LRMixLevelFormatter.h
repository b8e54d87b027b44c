#pragma once

#include "model/ParameterFormatter.h"

// A downmix mix level as gain factor and dB.
class LRMixLevelFormatter : public ParameterFormatter {
public:
    explicit LRMixLevelFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
