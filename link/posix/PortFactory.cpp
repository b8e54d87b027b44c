#include "link/posix/PortFactory.h"

#include "link/PortName.h"
#include "link/posix/NetworkSerialPort.h"
#include "link/posix/PosixSerialPort.h"

std::unique_ptr<NamedSerialPort> PortFactory::forName(const std::string& name) {
    if (PortName(name).onNetwork())
        return std::make_unique<NetworkSerialPort>();
    return std::make_unique<PosixSerialPort>();
}
