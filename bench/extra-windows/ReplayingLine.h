#pragma once

#include <cstdint>
#include <numeric>
#include <vector>

#include "link/AbstractSerialDevice.h"
#include "link/SerialFrame.h"
#include "model/ParameterId.h"

// A serial line in memory whose unit answers every read of one parameter at once and well: the
// acknowledgement, "data ready" and the reply frame, over and over. Writes go nowhere.
class ReplayingLine : public AbstractSerialDevice {
public:
    ReplayingLine(const ParameterId& id, std::uint16_t value) {
        const std::vector<std::uint8_t> payload{id.number, id.index,
                                                static_cast<std::uint8_t>(value >> 8),
                                                static_cast<std::uint8_t>(value & 0xFF)};
        const auto length = static_cast<std::uint8_t>(payload.size());
        script_ = {0x04, 0x08, 0x02, length};
        script_.insert(script_.end(), payload.begin(), payload.end());
        script_.push_back(static_cast<std::uint8_t>(
            -std::accumulate(payload.begin(), payload.end(), int{length})));
    }

    void setTimeout(std::uint32_t) override {}
    void write(const std::uint8_t*, std::size_t) override {}
    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        // The drain at the start finds the line quiet.
        if (count > SerialFrame::maxPayload)
            return 0;
        for (std::size_t byte = 0; byte < count; ++byte) {
            buffer[byte] = script_[position_];
            position_ = (position_ + 1) % script_.size();
        }
        return count;
    }

private:
    std::vector<std::uint8_t> script_;
    std::size_t position_ = 0;
};
