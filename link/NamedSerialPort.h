#pragma once

#include <cstdint>
#include <string>

#include "link/RepairingSerialPort.h"

// A port the operator names: a serial device by its path or a serial server on the network.
class NamedSerialPort : public RepairingSerialPort {
public:
    // Counts an open; the first opens what name names at baud, or throws and leaves nothing
    // open. While open the port stays on what it opened: a repair must reopen that one.
    virtual void open(const std::string& name, std::uint32_t baud) = 0;
};
