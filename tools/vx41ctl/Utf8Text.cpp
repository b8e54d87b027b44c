#include "tools/vx41ctl/Utf8Text.h"

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at position, or 0. The second byte's range rules out
// overlong forms, UTF-16 surrogates (ED A0..BF) and code points past U+10FFFF.
std::size_t sequenceAt(const std::string& text, std::size_t position) {
    const auto byteAt = [&](std::size_t offset) {
        return static_cast<unsigned char>(text[position + offset]);
    };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || position + length > text.size())
        return 0;
    const unsigned char second = byteAt(1);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 0;
    for (std::size_t offset = 2; offset < length; ++offset)
        if (!isContinuation(byteAt(offset)))
            return 0;
    return length;
}

} // namespace

std::string Utf8Text::fromBytes(const std::string& bytes) {
    std::string text;
    for (std::size_t position = 0; position < bytes.size();) {
        if (const std::size_t length = sequenceAt(bytes, position)) {
            text.append(bytes, position, length);
            position += length;
            continue;
        }
        // U+0080..U+00FF in UTF-8: two bytes, C2 or C3 and the low six bits.
        const auto byte = static_cast<unsigned char>(bytes[position++]);
        text += static_cast<char>(0xC0 | (byte >> 6));
        text += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return text;
}
