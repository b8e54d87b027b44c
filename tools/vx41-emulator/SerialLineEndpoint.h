#pragma once

#include <termios.h>

#include <cstdint>
#include <string>

#include "FileDescriptor.h"
#include "UnitEndpoint.h"

// A real serial device (the unit's end of a null-modem cable), raw 8N1 at the chosen speed. Its
// previous settings are put back when the emulator ends.
class SerialLineEndpoint : public UnitEndpoint {
public:
    SerialLineEndpoint(const std::string& path, std::uint32_t baud);
    ~SerialLineEndpoint() override;
    SerialLineEndpoint(const SerialLineEndpoint&) = delete;
    SerialLineEndpoint& operator=(const SerialLineEndpoint&) = delete;

    int fd() const override { return device_.get(); }
    const std::string& clientPath() const override { return path_; }

private:
    std::string path_;
    FileDescriptor device_;
    termios previous_{};
};
