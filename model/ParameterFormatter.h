#pragma once

#include <ostream>
#include <string>

#include "model/ParameterValue.h"

// Gives a parameter its display name and the display text of its values.
class ParameterFormatter {
public:
    explicit ParameterFormatter(std::string name) : name_(std::move(name)) {}
    virtual ~ParameterFormatter() = default;

    // Writes the display text of value; returns whether the stream is still good.
    virtual bool writeValue(std::ostream& stream, const ParameterValue& value) const;
    virtual void format(std::string& text, const ParameterValue& value) const = 0;
    virtual bool writeName(std::ostream& stream) const;

    const std::string& name() const { return name_; }

private:
    std::string name_;
};
