#pragma once

#include <cstdint>

#include "model/ParameterId.h"

// An id from a number and an index computed with int counters (programme, slot, line), as the
// families of the catalogue are laid out.
inline ParameterId idOf(int number, int index) {
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index)};
}
