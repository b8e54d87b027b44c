#include "link/posix/BaudRate.h"

std::optional<speed_t> BaudRate::code(std::uint32_t baud) {
    switch (baud) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 115200:
        return B115200;
    default:
        return std::nullopt;
    }
}
