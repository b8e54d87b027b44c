#pragma once

#include "model/ParameterFormatter.h"

// The surround matrix decoding the emulator applies.
class MatrixaFormatter : public ParameterFormatter {
public:
    explicit MatrixaFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
