#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Text pieces shared by the display formatters.
class FormatterText {
public:
    // The text of every value that an enumeration does not list.
    static std::string unknownSelection() { return "Unknown selection"; }
    // texts[i] is the text of value first + i. Values outside the list, and empty entries (gaps
    // the unit leaves in a list), are unknown selections.
    static std::string selection(std::span<const std::string_view> texts, std::int32_t value,
                                 std::int32_t first = 0);
    // A level in tenths of a dB: exactly zero is "0", anything else carries its sign and one
    // decimal ("+0.5", "-95.0").
    static std::string tenthsOfDecibel(std::int32_t tenths);
    // number with a fixed count of decimals and a '.' whatever the program's locale.
    static std::string fixed(double number, int decimals);
};
