#pragma once

#include <atomic>

#include "link/AbstractSerialDevice.h"
#include "model/QuenlarException.h"

// Forwards to a device it does not own until told to stop, from any thread; from then on every
// operation fails at once, so an exchange with a unit that has gone silent ends within one read
// time-out instead of after all its attempts. The failure is not the line's, so it is not retried.
class StoppableSerialDevice : public AbstractSerialDevice {
public:
    explicit StoppableSerialDevice(AbstractSerialDevice& inner) : inner_(inner) {}

    void stop() { stopped_ = true; }

    void setTimeout(std::uint32_t ms) override { inner_.setTimeout(ms); }
    void write(const std::uint8_t* bytes, std::size_t count) override {
        failIfStopped();
        inner_.write(bytes, count);
    }
    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        failIfStopped();
        return inner_.read(buffer, count);
    }

private:
    void failIfStopped() const {
        if (stopped_)
            throw QuenlarException("The serial line was closed.");
    }

    AbstractSerialDevice& inner_;
    std::atomic<bool> stopped_{false};
};
