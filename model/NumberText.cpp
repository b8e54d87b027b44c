#include "model/NumberText.h"

#include <locale>
#include <sstream>

namespace {
template <typename T> bool readWith(const std::string& text, T& number, bool hex = false) {
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    if (hex)
        stream >> std::hex;
    T read{};
    if (!(stream >> read))
        return false;
    number = read;
    return true;
}
} // namespace

bool NumberText::read(const std::string& text, std::int16_t& number) {
    return readWith(text, number);
}

bool NumberText::readHex(const std::string& text, std::uint16_t& number) {
    return readWith(text, number, true);
}

bool NumberText::readFloat(const std::string& text, float& number) {
    return readWith(text, number);
}

std::string NumberText::padded(const std::string& text, std::int32_t width) {
    const auto length = static_cast<std::int32_t>(text.size());
    if (width <= length)
        return text;
    return std::string(static_cast<std::size_t>(width - length), '0') + text;
}
