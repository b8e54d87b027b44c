#pragma once

#include <cstdio>
#include <ostream>

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

// Readable failure messages: values as hex bytes, ids in their text form.
inline void PrintTo(const ParameterValue& value, std::ostream* stream) {
    *stream << '[';
    for (std::size_t i = 0; i < value.bytes().size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(value.bytes()[i]));
        *stream << (i ? " " : "") << byte;
    }
    *stream << ']';
}

inline void PrintTo(const ParameterId& id, std::ostream* stream) {
    *stream << id.toString();
}
