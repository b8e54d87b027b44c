#pragma once

#include "model/ParameterFormatter.h"

// The stereo downmix the programme prefers.
class DownmixModeFormatter : public ParameterFormatter {
public:
    explicit DownmixModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
