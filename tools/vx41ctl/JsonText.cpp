#include "tools/vx41ctl/JsonText.h"

#include <cstdio>

namespace {
std::string escapedByte(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", byte);
    return text;
}

// Length of the valid UTF-8 sequence starting at i, or 0 when there is none.
std::size_t utf8Length(const std::string& text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0                 ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}
} // namespace

std::string JsonText::quoted(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            out += escapedByte(byte);
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else if (const auto length = utf8Length(text, i)) {
            out.append(text, i, length);
            i += length - 1;
        } else {
            out += escapedByte(byte);
        }
    }
    return out + "\"";
}

std::string JsonText::hex(const std::string& bytes) {
    std::string out;
    for (unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        out += pair;
    }
    return out;
}
