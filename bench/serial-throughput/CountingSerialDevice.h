#pragma once

#include <cstddef>
#include <cstdint>

#include "link/AbstractSerialDevice.h"

// Passes every byte through to another device and counts them, each way.
class CountingSerialDevice : public AbstractSerialDevice {
public:
    explicit CountingSerialDevice(AbstractSerialDevice& inner) : inner_(inner) {}

    void setTimeout(std::uint32_t ms) override { inner_.setTimeout(ms); }
    void write(const std::uint8_t* bytes, std::size_t count) override {
        inner_.write(bytes, count);
        sent_ += count;
    }
    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        const std::size_t got = inner_.read(buffer, count);
        received_ += got;
        return got;
    }

    std::size_t sent() const { return sent_; }
    std::size_t received() const { return received_; }
    void resetCounts() { sent_ = received_ = 0; }

private:
    AbstractSerialDevice& inner_;
    std::size_t sent_ = 0;
    std::size_t received_ = 0;
};
