#include "LineSpeed.h"

#include "link/posix/BaudRate.h"

#include <stdexcept>
#include <string>

void LineSpeed::makeRaw(termios& settings, std::uint32_t baud) {
    cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // Reads return what is there; the program waits with poll.
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, code(baud));
    cfsetospeed(&settings, code(baud));
}

speed_t LineSpeed::code(std::uint32_t baud) {
    if (const auto speed = BaudRate::code(baud))
        return *speed;
    throw std::invalid_argument("unsupported line speed " + std::to_string(baud));
}
