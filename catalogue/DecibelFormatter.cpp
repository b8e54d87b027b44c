#include "catalogue/DecibelFormatter.h"

#include <utility>

void DecibelFormatter::format(std::string& text, const ParameterValue& value) const {
    // Built by appending to a string of its own: GCC 12 at -O3 takes a literal assigned to or put
    // before the caller's string for an overlapping copy (a false -Wrestrict).
    std::string formatted(1, '-');
    formatted += std::to_string(value.toInt16() + offset_);
    formatted += " dB";
    text = std::move(formatted);
}
