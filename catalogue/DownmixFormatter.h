#pragma once

#include "model/ParameterFormatter.h"

// The downmix the emulator listens through.
class DownmixFormatter : public ParameterFormatter {
public:
    explicit DownmixFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
