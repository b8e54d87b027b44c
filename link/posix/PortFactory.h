#pragma once

#include <memory>
#include <string>

#include "link/NamedSerialPort.h"

// The port of the kind a name gives, not open yet: a network port for tcp:// and rfc2217://,
// a serial device for anything else.
class PortFactory {
public:
    // Throws QuenlarException for a malformed network name.
    static std::unique_ptr<NamedSerialPort> forName(const std::string& name);
};
