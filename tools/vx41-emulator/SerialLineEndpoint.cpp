#include "SerialLineEndpoint.h"

#include <fcntl.h>

#include "LineSpeed.h"
#include "SystemFailure.h"

SerialLineEndpoint::SerialLineEndpoint(const std::string& path, std::uint32_t baud)
    : path_(path), device_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
    if (device_.get() < 0)
        throw SystemFailure("cannot open " + path_);
    if (tcgetattr(device_.get(), &previous_) != 0)
        throw SystemFailure(path_ + " is not a serial device");
    termios settings = previous_;
    LineSpeed::makeRaw(settings, baud);
    if (tcsetattr(device_.get(), TCSANOW, &settings) != 0)
        throw SystemFailure("cannot configure " + path_);
    tcflush(device_.get(), TCIOFLUSH);
}

SerialLineEndpoint::~SerialLineEndpoint() {
    tcsetattr(device_.get(), TCSANOW, &previous_);
}
