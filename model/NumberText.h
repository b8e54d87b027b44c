#pragma once

#include <cstdint>
#include <string>

// Number reading and writing shared by the converters: reads as a formatted input stream of the
// classic locale does (leading blanks skipped, trailing text ignored, a decimal point) and pads
// with zeros in front of everything.
class NumberText {
public:
    static bool read(const std::string& text, std::int16_t& number);
    static bool readHex(const std::string& text, std::uint16_t& number);
    static bool readFloat(const std::string& text, float& number);
    // Zeros in front up to width characters; the sign counts as a character and stays behind
    // the zeros, as with a fill of '0' and right alignment.
    static std::string padded(const std::string& text, std::int32_t width);
};
