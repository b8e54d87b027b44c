#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "model/ParameterFormatter.h"

// Shows the text a subclass has listed for each value; a value with no entry is an unknown
// selection.
class StringMapFormatter : public ParameterFormatter {
public:
    void format(std::string& text, const ParameterValue& value) const override;

protected:
    explicit StringMapFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void add(std::int16_t value, std::string text);

private:
    std::map<std::int16_t, std::string> texts_;
};
