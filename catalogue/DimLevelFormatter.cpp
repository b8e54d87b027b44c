#include "catalogue/DimLevelFormatter.h"

#include <cstdlib>
#include <utility>

namespace {
constexpr std::int16_t kLoudest = 37;
constexpr std::int16_t kUnity = 31;
} // namespace

DimLevelFormatter::DimLevelFormatter(std::string name) : StringMapFormatter(std::move(name)) {
    add(0, "Off");
    // Unity gain reads "-0": the unit shows every setting up to unity as a cut.
    for (std::int16_t key = 1; key <= kLoudest; ++key) {
        const int decibels = key - kUnity;
        // Appended, not concatenated: GCC 12 at -O3 reports a false -Wrestrict on the latter.
        std::string label = decibels <= 0 ? "-" : "+";
        label += std::to_string(std::abs(decibels));
        add(key, std::move(label));
    }
}
