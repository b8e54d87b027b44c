// Feeds arbitrary unit answers to the serial line protocol. The first input byte chooses the
// exchange, the next ones its arguments; the rest is what the unit sends back. A failed exchange
// is an expected outcome; a crash, a hang, another exception or a malformed frame on the line is
// a fault.
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>

#include "link/SerialProtocol.h"
#include "model/QuenlarException.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedSerialDevice.h"

namespace {
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t next() { return position_ < size_ ? data_[position_++] : 0; }
    const std::uint8_t* rest() const { return data_ + position_; }
    std::size_t restSize() const { return size_ - position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

enum Exchange : std::uint8_t { readOne, readSeveral, writeOne, pollStatus, exchangeCount };

// Ids of a multi-parameter read: a few, over one or two numbers, so replies can match them.
ParameterIdSet idsFrom(Input& input) {
    ParameterIdSet ids;
    const std::uint8_t count = input.next() % 6;
    for (std::uint8_t i = 0; i < count; ++i) {
        const std::uint8_t pick = input.next();
        ids.emplace_back(static_cast<std::uint8_t>(0x21 + (pick >> 7) * 0x0F), pick & 0x7F);
    }
    return ids;
}

ParameterValue valueOfLength(std::size_t length) {
    std::string bytes(length, '\0');
    std::iota(bytes.begin(), bytes.end(), '\x30');
    return ParameterValue(bytes);
}

void exchange(SerialProtocol& protocol, Input& input, ScriptedSerialDevice& device) {
    const auto answerWithRest = [&] { device.answer(input.rest(), input.restSize()); };
    switch (input.next() % exchangeCount) {
    case readOne: {
        const ParameterId id(0x21, input.next());
        answerWithRest();
        protocol.read(id);
        break;
    }
    case readSeveral: {
        const ParameterIdSet ids = idsFrom(input);
        answerWithRest();
        ParameterValueMap values;
        protocol.readMany(ids, values);
        break;
    }
    case writeOne: {
        const ParameterValue value = valueOfLength(input.next());
        const std::uint8_t delayMs = input.next();
        answerWithRest();
        protocol.write({0x20, 0x05}, value, delayMs);
        break;
    }
    default:
        answerWithRest();
        protocol.status();
        break;
    }
}

// Every frame the PC sends carries its true length and a checksum that sums to zero.
bool framesSentAreSound(const ScriptedSerialDevice& device) {
    for (const auto& bytes : device.writes()) {
        if (bytes.size() <= 2)
            continue;
        const unsigned sum = std::accumulate(bytes.begin() + 1, bytes.end(), 0u);
        if (bytes[0] != 0x02 || bytes[1] + 3u != bytes.size() || sum % 256 != 0)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    FakeClock clock;
    // Coarse steps keep the busy waits short; their length does not matter here.
    clock.pauseStep = 10;
    ScriptedSerialDevice device;
    SerialProtocol protocol(0x8280, &device, clock);
    try {
        exchange(protocol, input, device);
    } catch (const QuenlarException&) {
        // The unit's answer was refused: what a faulty line should lead to.
    }
    if (!framesSentAreSound(device))
        __builtin_trap();
    return 0;
}
