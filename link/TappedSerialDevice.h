#pragma once

#include "link/AbstractSerialDevice.h"
#include "link/LineTap.h"

// Forwards to a device it does not own and shows every byte that passes to a tap, when one is
// set. Without a tap it costs one test per call, so it can stay in the stack for good.
class TappedSerialDevice : public AbstractSerialDevice {
public:
    explicit TappedSerialDevice(AbstractSerialDevice& inner) : inner_(inner) {}

    // Not owned; null to stop listening.
    void setTap(LineTap* tap) { tap_ = tap; }
    LineTap* tap() const { return tap_; }

    void setTimeout(std::uint32_t ms) override { inner_.setTimeout(ms); }

    void write(const std::uint8_t* bytes, std::size_t count) override {
        inner_.write(bytes, count);
        if (tap_ != nullptr)
            tap_->sent({bytes, count});
    }

    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        const std::size_t got = inner_.read(buffer, count);
        if (tap_ != nullptr)
            tap_->received(count, {buffer, got});
        return got;
    }

private:
    AbstractSerialDevice& inner_;
    LineTap* tap_ = nullptr;
};
