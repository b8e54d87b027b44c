#pragma once

#include "model/ParameterFormatter.h"

// The kind of production room.
class RoomTypeFormatter : public ParameterFormatter {
public:
    explicit RoomTypeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
