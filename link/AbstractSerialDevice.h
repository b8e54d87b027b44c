#pragma once

#include <cstddef>
#include <cstdint>

// The three byte operations the line protocol needs from a serial device.
class AbstractSerialDevice {
public:
    virtual ~AbstractSerialDevice() = default;
    virtual void setTimeout(std::uint32_t ms) = 0;
    // Writes all count bytes or throws.
    virtual void write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Returns when count bytes came or the read time-out passed; the number read, 0 for none.
    virtual std::size_t read(std::uint8_t* buffer, std::size_t count) = 0;
};
