#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

// Writes the unit's answers to the line. Paced, it behaves like the wire at the chosen speed
// (10 bit times per byte: start, 8 data, stop): an answer starts only once the PC's bytes would
// have arrived, and each byte is handed over when it would have been complete. Unpaced, answers go
// out at once. Bytes that nobody reads for a second are dropped, as a line without a listener
// would lose them.
class LinePacer {
public:
    LinePacer(int fd, std::uint32_t baud, bool pace);

    // The PC's bytes just read kept the incoming wire busy for their line time.
    void received(std::size_t count);
    void send(const std::vector<std::uint8_t>& bytes);

private:
    using SteadyClock = std::chrono::steady_clock;

    void sendPaced(const std::vector<std::uint8_t>& bytes);
    void writeAll(const std::uint8_t* bytes, std::size_t count);
    bool waitWritable();

    int fd_;
    bool pace_;
    std::chrono::nanoseconds byteTime_;
    SteadyClock::time_point inputFreeAt_;
    SteadyClock::time_point outputFreeAt_;
};
