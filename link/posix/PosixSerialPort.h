#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/NamedSerialPort.h"

// A serial port of Linux or macOS named by its device path (/dev/ttyUSB0, /dev/cu.usbserial-1,
// a symlink or a pseudo-terminal): raw 8N1 at 9600, 19200, 38400 or 115200 baud, held
// exclusively while open so that no other program interleaves bytes on the line.
class PosixSerialPort : public NamedSerialPort {
public:
    static constexpr std::uint32_t writeTimeoutMs = 200;

    PosixSerialPort() = default;
    PosixSerialPort(const std::string& path, std::uint32_t baud);
    ~PosixSerialPort() override;

    void open(const std::string& path, std::uint32_t baud) override;

    // Returns when count bytes came or the time-out passed; a line that hung up (adapter
    // pulled, other end gone) returns what it has at once, so callers see "no response".
    std::size_t read(std::uint8_t* buffer, std::size_t count) override;

    // The serial devices of this machine, stable by-id names first.
    static std::vector<std::string> availablePorts();

protected:
    void openDevice(std::uint32_t baud) override;
    void closeDevice() override;
    void applyTimeout(std::uint32_t ms) override;
    bool writeOnce(const std::uint8_t* bytes, std::size_t count) override;

private:
    // Within the write time-out, through partial writes and a full output queue.
    bool sendAll(const std::uint8_t* bytes, std::size_t count);
    void releaseDescriptor();

    std::string path_;
    int fd_ = -1;
};
