// Feeds arbitrary PC bytes to the emulated unit. The first input byte chooses the unit's settings;
// the rest arrives in pieces, the clock moving on between them. Whatever comes in, the unit must
// answer only with its keywords and with well-formed frames.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "UnitLine.h"
#include "link/SerialFrame.h"
#include "link/SerialKeyword.h"
#include "tests/support/FakeClock.h"

namespace {
UnitSettings settingsFrom(std::uint8_t choice) {
    UnitSettings settings;
    settings.writeDelayMs = (choice & 0x01) ? 40 : 0;
    settings.animateMeters = (choice & 0x02) != 0;
    settings.faults.busyPolls = (choice >> 2) & 0x03;
    if (choice & 0x10)
        settings.faults.silentAfter = (choice >> 5) & 0x07;
    return settings;
}

bool isKeywordAnswer(std::uint8_t byte) {
    return byte == SerialKeyword::ack || byte == SerialKeyword::error ||
           byte == SerialKeyword::busy || byte == SerialKeyword::dataReady;
}

// A run of keywords and frames; stops the program on anything else.
void checkAnswer(const std::vector<std::uint8_t>& answer) {
    std::size_t position = 0;
    while (position < answer.size()) {
        if (answer[position] != SerialKeyword::stx) {
            if (!isKeywordAnswer(answer[position]))
                std::abort();
            ++position;
            continue;
        }
        if (answer.size() - position < 3)
            std::abort();
        const std::uint8_t length = answer[position + 1];
        if (length == 0 || answer.size() - position < std::size_t{length} + 3)
            std::abort();
        const std::span<const std::uint8_t> payload(answer.data() + position + 2, length);
        if (SerialFrame::checksum(length, payload) != answer[position + 2 + length])
            std::abort();
        position += std::size_t{length} + 3;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    FakeClock clock;
    UnitLine line(settingsFrom(data[0]), clock);
    // Each piece: a byte giving its length (low 4 bits) and the pause before it (high 4 bits).
    std::size_t position = 1;
    while (position < size) {
        const std::uint8_t header = data[position++];
        const std::size_t length = std::min<std::size_t>(header & 0x0F, size - position);
        clock.advanceMilliseconds((header >> 4) * 10);
        checkAnswer(line.receive(data + position, length));
        position += length;
    }
    return 0;
}
