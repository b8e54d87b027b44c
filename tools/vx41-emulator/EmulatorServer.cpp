#include "EmulatorServer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "LinePacer.h"
#include "SignalWatcher.h"
#include "SystemFailure.h"
#include "UnitEndpoint.h"
#include "UnitLine.h"

int EmulatorServer::run() {
    for (;;) {
        pollfd waits[] = {{signals_.fd(), POLLIN, 0}, {endpoint_.fd(), POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw SystemFailure("cannot wait for the line");
        }
        if (waits[0].revents & POLLIN)
            return signals_.take();
        if (waits[1].revents & POLLIN)
            serveIncoming();
        else if (waits[1].revents & (POLLHUP | POLLERR | POLLNVAL))
            throw std::runtime_error("the line " + endpoint_.clientPath() + " went away");
    }
}

void EmulatorServer::serveIncoming() {
    std::uint8_t buffer[256];
    const ssize_t count = ::read(endpoint_.fd(), buffer, sizeof buffer);
    if (count < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            return;
        throw SystemFailure("cannot read from " + endpoint_.clientPath());
    }
    const auto length = static_cast<std::size_t>(count);
    pacer_.received(length);
    pacer_.send(line_.receive(buffer, length));
}
