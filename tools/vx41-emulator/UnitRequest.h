#pragma once

#include <cstdint>
#include <vector>

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

// A frame from the PC, understood: a value to store, or the ids to send back.
struct UnitRequest {
    enum class Kind { Write, Read };

    Kind kind;
    // Write: the id as written (number one below the read number) and its value.
    ParameterId writeId;
    ParameterValue value;
    // Read: the number and the indexes asked for, in the order asked.
    std::uint8_t readNumber = 0;
    std::vector<std::uint8_t> readIndexes;
};
