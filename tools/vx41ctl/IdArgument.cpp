#include "tools/vx41ctl/IdArgument.h"

#include <charconv>
#include <stdexcept>

namespace {
bool readByte(std::string_view text, std::uint8_t& byte) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || number > 255)
        return false;
    byte = static_cast<std::uint8_t>(number);
    return true;
}
} // namespace

ParameterId IdArgument::parse(const std::string& text) {
    const auto comma = text.find(',');
    ParameterId id;
    if (comma == std::string::npos ||
        !readByte(std::string_view(text).substr(0, comma), id.number) ||
        !readByte(std::string_view(text).substr(comma + 1), id.index))
        throw std::invalid_argument("'" + text +
                                    "' is not a parameter id: give NUMBER,INDEX, both 0 to 255");
    return id;
}

std::string IdArgument::text(const ParameterId& id) {
    return std::to_string(id.number) + "," + std::to_string(id.index);
}
