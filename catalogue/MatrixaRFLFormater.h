#pragma once

#include "model/ParameterFormatter.h"

// Matrix decoding and rear-fill switching of the emulator.
class MatrixaRFLFormater : public ParameterFormatter {
public:
    explicit MatrixaRFLFormater(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
