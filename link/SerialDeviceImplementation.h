#pragma once

#include <cstddef>
#include <cstdint>

// A platform serial port behind SerialDevice.
class SerialDeviceImplementation {
public:
    virtual ~SerialDeviceImplementation() = default;
    virtual void setTimeout(std::uint32_t ms) = 0;
    virtual void write(const std::uint8_t* bytes, std::size_t count) = 0;
    virtual std::size_t read(std::uint8_t* buffer, std::size_t count) = 0;
};
