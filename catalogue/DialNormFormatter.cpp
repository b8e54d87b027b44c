#include "catalogue/DialNormFormatter.h"

#include <utility>

void DialNormFormatter::format(std::string& text, const ParameterValue& value) const {
    constexpr std::int16_t kLow = 41;
    const std::int16_t level = value.toInt16();
    // Built by appending to a string of its own: GCC 12 at -O3 takes a literal assigned to or put
    // before the caller's string for an overlapping copy (a false -Wrestrict).
    std::string formatted;
    if (level == kLow) {
        formatted = "Low";
    } else if (level == 0) {
        formatted = "0";
    } else {
        formatted = "-";
        formatted += std::to_string(level);
    }
    text = std::move(formatted);
}
