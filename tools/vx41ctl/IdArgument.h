#pragma once

#include <string>

#include "model/ParameterId.h"

// A parameter id as typed on the command line: NUMBER,INDEX in decimal.
class IdArgument {
public:
    // Throws std::invalid_argument with a message naming the text when it is not an id.
    static ParameterId parse(const std::string& text);
    // NUMBER,INDEX, as the operator types it.
    static std::string text(const ParameterId& id);
};
