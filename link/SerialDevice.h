#pragma once

#include "link/AbstractSerialDevice.h"
#include "link/SerialDeviceImplementation.h"

// Forwards to a platform port it does not own; deleting it leaves the port open.
class SerialDevice : public AbstractSerialDevice {
public:
    explicit SerialDevice(SerialDeviceImplementation& implementation)
        : implementation_(implementation) {}

    void setTimeout(std::uint32_t ms) override { implementation_.setTimeout(ms); }
    void write(const std::uint8_t* bytes, std::size_t count) override {
        implementation_.write(bytes, count);
    }
    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        return implementation_.read(buffer, count);
    }

private:
    SerialDeviceImplementation& implementation_;
};
