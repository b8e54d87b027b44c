#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A device value as the unit carries it: a byte string of any length. Numbers are two bytes,
// high byte first; text values hold characters.
class ParameterValue {
public:
    ParameterValue() = default;
    // Two bytes, high byte first; only the low 16 bits of number count.
    ParameterValue(int number); // NOLINT(google-explicit-constructor): numbers are the common case
    explicit ParameterValue(std::string bytes) : bytes_(std::move(bytes)) {}

    static ParameterValue fromText(std::string_view text) {
        return ParameterValue(std::string(text));
    }
    static ParameterValue largest() { return ParameterValue(0x7FFF); }
    static ParameterValue smallest() { return ParameterValue(-0x8000); }

    // The last two bytes as a signed 16-bit number (big-endian accumulation).
    std::int16_t toInt16() const;
    // The last four bytes as an unsigned 32-bit number.
    std::uint32_t toUInt32() const;

    const std::string& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }

    bool operator==(const ParameterValue&) const = default;

private:
    std::string bytes_;
};
