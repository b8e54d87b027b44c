#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/SerialDeviceImplementation.h"

// What the platform serial ports share: opens are counted, so that only the first opens the
// device and only the last close releases it, and a write that fails reopens the device and
// tries again, five times in all.
class RepairingSerialPort : public SerialDeviceImplementation {
public:
    static constexpr std::uint32_t defaultTimeoutMs = 1000;
    static constexpr int writeAttempts = 5;

    RepairingSerialPort() = default;
    RepairingSerialPort(const RepairingSerialPort&) = delete;
    RepairingSerialPort& operator=(const RepairingSerialPort&) = delete;

    // True while an open has not been closed yet; baudOut, if given, receives the line speed.
    bool isOpen(std::uint32_t* baudOut = nullptr) const;
    void close();

    void setTimeout(std::uint32_t ms) final;
    // Throws "Error sending serial data." when the fifth attempt failed too; a reopen that fails
    // says at once that the device stopped answering and leaves the port closed.
    void write(const std::uint8_t* bytes, std::size_t count) final;

protected:
    // Counts an open; the first one opens the device at baud. Another speed while open throws.
    void countOpen(std::uint32_t baud);
    std::uint32_t timeout() const { return timeout_; }

    // Opens the device the port names at baud, or throws and leaves nothing open.
    virtual void openDevice(std::uint32_t baud) = 0;
    // Releases the device; harmless when none is open.
    virtual void closeDevice() = 0;
    // Hands the read time-out to the device, which may be closed.
    virtual void applyTimeout(std::uint32_t ms) = 0;
    // One attempt to send every byte; false when the device took fewer.
    virtual bool writeOnce(const std::uint8_t* bytes, std::size_t count) = 0;
    // What the operator hears when a repair could not open the device again; failure is why.
    virtual std::string lostMessage(const std::string& failure) const;

private:
    void reopen();

    std::uint32_t baud_ = 0;
    std::uint32_t openCount_ = 0;
    std::uint32_t timeout_ = defaultTimeoutMs;
};
