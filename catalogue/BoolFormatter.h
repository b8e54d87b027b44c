#pragma once

#include "model/ParameterFormatter.h"

// A switch: 0 shows the false text, any other value the true text.
class BoolFormatter : public ParameterFormatter {
public:
    BoolFormatter(std::string name, std::string falseText, std::string trueText)
        : ParameterFormatter(std::move(name)), falseText_(std::move(falseText)),
          trueText_(std::move(trueText)) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::string falseText_;
    std::string trueText_;
};
