#include "catalogue/DimLevelFormatter.h"

#include <cstdlib>

namespace {
constexpr std::int16_t kLoudest = 37;
constexpr std::int16_t kUnity = 31;
} // namespace

DimLevelFormatter::DimLevelFormatter(std::string name) : StringMapFormatter(std::move(name)) {
    add(0, "Off");
    // Unity gain reads "-0": the unit shows every setting up to unity as a cut.
    for (std::int16_t key = 1; key <= kLoudest; ++key) {
        const int decibels = key - kUnity;
        add(key, (decibels <= 0 ? "-" : "+") + std::to_string(std::abs(decibels)));
    }
}
