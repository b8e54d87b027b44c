#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/ParameterFormatter.h"

// One metadata item of a programme as the unit numbers it: its item index (the same in every
// family of a programme), what it holds and how it is shown. The unit reserves the indices 0 to
// 52; only those in all() exist.
struct MetadataItem {
    static constexpr int indexCount = 53;

    // Every item, in the order the catalogue creates them.
    static const std::array<MetadataItem, 28>& all();

    // A new formatter for one parameter of the item (each parameter owns its own); null for
    // item 0, which has no display name.
    std::unique_ptr<ParameterFormatter> formatter() const { return make ? make(name) : nullptr; }

    std::uint8_t index;
    const char* name;
    int initial;
    int minimum;
    int maximum;
    std::uint32_t writeDelayMs;
    // false for the mix levels the unit derives itself: their source cannot be chosen and they
    // are never saved.
    bool sourceSelectable;
    std::unique_ptr<ParameterFormatter> (*make)(const char* name);
};
