#pragma once

#include "model/ParameterFormatter.h"

// The surround mix level as gain factor and dB.
class SurmixFormatter : public ParameterFormatter {
public:
    explicit SurmixFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
