#pragma once

#include <cstdint>
#include <string>

#include "FileDescriptor.h"
#include "UnitEndpoint.h"

// A new pseudo-terminal: the unit holds the master, the client opens the slave. The slave is set
// raw so that no echo or line editing alters the bytes, and the unit keeps a slave descriptor of
// its own so that a client closing the line leaves the master quiet instead of failing with
// hang-ups until the next client comes.
class PseudoTerminalEndpoint : public UnitEndpoint {
public:
    explicit PseudoTerminalEndpoint(std::uint32_t baud);

    int fd() const override { return master_.get(); }
    const std::string& clientPath() const override { return slavePath_; }

private:
    FileDescriptor master_;
    std::string slavePath_;
    FileDescriptor slave_;
};
