#include "PseudoTerminalEndpoint.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>

#include "LineSpeed.h"
#include "SystemFailure.h"

namespace {
FileDescriptor openMaster() {
    FileDescriptor master(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (master.get() < 0)
        throw SystemFailure("cannot create a pseudo-terminal");
    if (grantpt(master.get()) != 0 || unlockpt(master.get()) != 0)
        throw SystemFailure("cannot unlock the pseudo-terminal");
    return master;
}

std::string slaveName(int master) {
    char name[256];
    if (ptsname_r(master, name, sizeof name) != 0)
        throw SystemFailure("cannot name the pseudo-terminal");
    return name;
}
} // namespace

PseudoTerminalEndpoint::PseudoTerminalEndpoint(std::uint32_t baud)
    : master_(openMaster()), slavePath_(slaveName(master_.get())),
      slave_(::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    if (slave_.get() < 0)
        throw SystemFailure("cannot open " + slavePath_);
    termios settings{};
    if (tcgetattr(slave_.get(), &settings) != 0)
        throw SystemFailure("cannot read the settings of " + slavePath_);
    LineSpeed::makeRaw(settings, baud);
    if (tcsetattr(slave_.get(), TCSANOW, &settings) != 0)
        throw SystemFailure("cannot set " + slavePath_ + " raw");
}
