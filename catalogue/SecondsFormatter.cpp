#include "catalogue/SecondsFormatter.h"

#include <cstdint>

namespace {
std::string twoDigits(unsigned number) {
    // Appended, not concatenated: GCC 12 at -O3 reports a false -Wrestrict on the latter.
    std::string text = number < 10 ? "0" : "";
    text += std::to_string(number);
    return text;
}
} // namespace

void SecondsFormatter::format(std::string& text, const ParameterValue& value) const {
    const unsigned seconds = static_cast<std::uint16_t>(value.toInt16());
    text = twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" +
           twoDigits(seconds % 60);
}
