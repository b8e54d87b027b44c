#pragma once

#include <cstddef>
#include <cstdint>

#include "link/RepairingSerialPort.h"

// A Windows COM port opened by number: 8N1 at the given baud rate, reads that return when the
// bytes came or the read time-out passed, writes given 200 ms.
class Win32SerialPort : public RepairingSerialPort {
public:
    static constexpr std::uint32_t writeTimeoutMs = 200;

    Win32SerialPort() = default;
    Win32SerialPort(int portNumber, std::uint32_t baud);
    ~Win32SerialPort() override;

    void open(int portNumber, std::uint32_t baud);

    std::size_t read(std::uint8_t* buffer, std::size_t count) override;

protected:
    void openDevice(std::uint32_t baud) override;
    void closeDevice() override;
    void applyTimeout(std::uint32_t ms) override;
    bool writeOnce(const std::uint8_t* bytes, std::size_t count) override;

private:
    void closeHandle();
    void configure(std::uint32_t baud);

    int portNumber_ = 0;
    void* handle_ = nullptr; // the platform's HANDLE, kept opaque so that users need no windows.h
};
