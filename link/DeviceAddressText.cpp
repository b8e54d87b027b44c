#include "link/DeviceAddressText.h"

#include <charconv>

namespace {
constexpr unsigned lowest = 0x8280;
constexpr unsigned highest = 0xFFFE;

std::optional<unsigned> hexadecimal(const std::string& text) {
    const std::size_t start = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? 2 : 0;
    unsigned value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, 16);
    if (first == last || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::string hexText(unsigned value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}
} // namespace

std::string DeviceAddressText::problem(const std::string& text) {
    const auto value = hexadecimal(text);
    if (!value)
        return "the address must be hexadecimal, for example 8280";
    if (*value < lowest || *value > highest)
        return "the address must lie between 8280 and FFFE (hexadecimal)";
    if (*value % 2 != 0)
        return hexText(*value) + " is the poll address of the unit at " + hexText(*value - 1) +
               ": give " + hexText(*value - 1);
    return {};
}

std::optional<std::uint16_t> DeviceAddressText::parse(const std::string& text) {
    if (!problem(text).empty())
        return std::nullopt;
    return static_cast<std::uint16_t>(*hexadecimal(text));
}
