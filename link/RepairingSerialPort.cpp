#include "link/RepairingSerialPort.h"

#include "model/QuenlarException.h"

bool RepairingSerialPort::isOpen(std::uint32_t* baudOut) const {
    if (baudOut != nullptr)
        *baudOut = baud_;
    return openCount_ > 0;
}

void RepairingSerialPort::close() {
    if (openCount_ == 0)
        return;
    if (--openCount_ == 0) {
        closeDevice();
        baud_ = 0;
    }
}

void RepairingSerialPort::countOpen(std::uint32_t baud) {
    if (openCount_ > 0 && baud != baud_)
        throw QuenlarException("Tried to re-open a port at a different baud rate.");
    if (openCount_ == 0) {
        openDevice(baud);
        baud_ = baud;
    }
    ++openCount_;
}

void RepairingSerialPort::setTimeout(std::uint32_t ms) {
    applyTimeout(ms);
    timeout_ = ms;
}

void RepairingSerialPort::write(const std::uint8_t* bytes, std::size_t count) {
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        if (writeOnce(bytes, count))
            return;
        reopen();
    }
    throw QuenlarException("Error sending serial data.");
}

// The device itself is reopened however often the port was opened: every open shares the one
// device, so closing once and opening once would only move the count while it stays broken.
void RepairingSerialPort::reopen() {
    if (openCount_ == 0)
        return;
    closeDevice();
    try {
        openDevice(baud_);
    } catch (const std::exception& failure) {
        openCount_ = 0;
        baud_ = 0;
        throw QuenlarException(lostMessage(failure.what()));
    }
    setTimeout(timeout_);
}

// The device went away during an exchange (an adapter pulled, say): the operator connected fine
// and needs to hear that the unit is gone, not how the reopen failed.
std::string RepairingSerialPort::lostMessage(const std::string&) const {
    return "The device stopped answering: its serial port could not be opened again.";
}
