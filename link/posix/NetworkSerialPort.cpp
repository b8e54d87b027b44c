#include "link/posix/NetworkSerialPort.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "link/PortName.h"
#include "link/TelnetComPort.h"
#include "model/QuenlarException.h"

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point deadlineAfter(std::uint32_t ms) {
    return Clock::now() + std::chrono::milliseconds(ms);
}

// Waits until the socket is ready for events; false when the deadline passed first. A hang-up
// or an error counts as ready: the call that follows says which.
bool waitFor(int socket, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd ready{socket, events, 0};
        const int result = ::poll(&ready, 1, static_cast<int>(left));
        if (result < 0 && errno == EINTR)
            continue;
        return result != 0;
    }
}

// A server that holds back small segments until the last is acknowledged (Nagle's algorithm, as
// serial servers commonly keep it) would otherwise wait for the delayed acknowledgement, some
// 40 ms, in the middle of every answer longer than one segment. Linux clears the flag again after
// some receives, so it is set after each.
void acknowledgeAtOnce(int socket) {
#ifdef TCP_QUICKACK
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#else
    (void)socket;
#endif
}

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

std::string reason(int error) {
    return std::generic_category().message(error);
}

// Why a connection that held ended, in the operator's words where the system's are obscure.
std::string loss(int error) {
    return error == EPIPE || error == ECONNRESET || error == 0 ? "the server closed it"
                                                               : reason(error);
}

struct AddressList {
    addrinfo* first = nullptr;
    ~AddressList() {
        if (first != nullptr)
            ::freeaddrinfo(first);
    }
};

// A non-blocking connection to one address, or the error that stopped it.
int connectTo(const addrinfo& address, Clock::time_point deadline, int& error) {
    const int socket = ::socket(
        address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
    if (socket < 0) {
        error = errno;
        return -1;
    }
    if (::connect(socket, address.ai_addr, address.ai_addrlen) != 0 && errno != EINPROGRESS) {
        error = errno;
    } else if (!waitFor(socket, POLLOUT, deadline)) {
        error = ETIMEDOUT;
    } else {
        socklen_t length = sizeof error;
        ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length);
    }
    if (error == 0)
        return socket;
    ::close(socket);
    return -1;
}

} // namespace

NetworkSerialPort::NetworkSerialPort() = default;

NetworkSerialPort::~NetworkSerialPort() {
    release();
}

void NetworkSerialPort::open(const std::string& name, std::uint32_t baud) {
    if (!isOpen()) {
        loss_.clear();
        auto parsed = std::make_unique<PortName>(name);
        if (!parsed->onNetwork())
            throw QuenlarException(name + " names no serial server: give tcp://HOST:PORT or "
                                          "rfc2217://HOST:PORT.");
        name_ = std::move(parsed);
    }
    countOpen(baud);
}

// A repair does not connect again by itself: the server may serve another client by now, and
// the operator decides whether to take the line back.
void NetworkSerialPort::openDevice(std::uint32_t baud) {
    if (!loss_.empty())
        throw QuenlarException(loss_);
    connectToServer();
    try {
        if (name_->kind() == PortName::Kind::rfc2217)
            setUpServerPort(baud);
    } catch (...) {
        release();
        throw;
    }
}

void NetworkSerialPort::connectToServer() {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    AddressList addresses;
    const std::string service = std::to_string(name_->port());
    const int lookup =
        ::getaddrinfo(name_->host().c_str(), service.c_str(), &hints, &addresses.first);
    if (lookup != 0)
        fail(lookup == EAI_SYSTEM ? reason(errno) : ::gai_strerror(lookup));
    // Every address of the host shares the one time-out, so a host that does not answer fails
    // within it.
    const auto deadline = deadlineAfter(timeout());
    int error = ETIMEDOUT;
    for (const addrinfo* address = addresses.first; address != nullptr && socket_ < 0;
         address = address->ai_next)
        socket_ = connectTo(*address, deadline, error);
    if (socket_ < 0)
        fail(reason(error));
    // Frames are small and answered at once: none may wait to be joined with the next.
    const int on = 1;
    ::setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    received_.clear();
}

// Asks the server for the line's settings and waits until it confirms the speed.
void NetworkSerialPort::setUpServerPort(std::uint32_t baud) {
    telnet_ = std::make_unique<TelnetComPort>();
    std::vector<std::uint8_t> request = telnet_->greeting();
    const std::vector<std::uint8_t> settings = TelnetComPort::lineSettings(baud);
    request.insert(request.end(), settings.begin(), settings.end());
    if (const int error = sendAll(request.data(), request.size()); error != 0)
        fail(reason(error));
    const auto deadline = deadlineAfter(timeout());
    while (!telnet_->refused() && !telnet_->confirmedBaud()) {
        if (!receive(deadline))
            fail(socket_ < 0 ? "the server closed the connection"
                             : "the server did not set up its serial port (is it an RFC 2217 "
                               "server?)");
    }
    if (telnet_->refused())
        fail("the server does not let its serial port be set up (RFC 2217) in binary");
    if (*telnet_->confirmedBaud() != baud)
        fail("the server set its serial port to " + std::to_string(*telnet_->confirmedBaud()) +
             " baud, not " + std::to_string(baud));
    // What the server sent before the unit's first frame is not the unit's.
    received_.clear();
}

void NetworkSerialPort::closeDevice() {
    release();
}

void NetworkSerialPort::release() {
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
    telnet_.reset();
}

// Reads wait in poll() with the recorded time-out.
void NetworkSerialPort::applyTimeout(std::uint32_t) {}

std::size_t NetworkSerialPort::read(std::uint8_t* buffer, std::size_t count) {
    const auto deadline = deadlineAfter(timeout());
    std::size_t got = 0;
    for (;;) {
        while (got < count && !received_.empty()) {
            buffer[got++] = received_.front();
            received_.pop_front();
        }
        if (got == count || !receive(deadline))
            return got;
    }
}

bool NetworkSerialPort::receive(Clock::time_point deadline) {
    std::uint8_t chunk[512];
    while (socket_ >= 0) {
        const ssize_t n = ::recv(socket_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            acknowledgeAtOnce(socket_);
            const auto size = static_cast<std::size_t>(n);
            if (!telnet_) {
                received_.insert(received_.end(), chunk, chunk + size);
                return true;
            }
            std::vector<std::uint8_t> replies;
            telnet_->take(chunk, size, received_, replies);
            if (const int error = replies.empty() ? 0 : sendAll(replies.data(), replies.size())) {
                lose(loss(error));
                return false;
            }
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && wouldBlock(errno)) {
            if (!waitFor(socket_, POLLIN, deadline))
                return false;
            continue;
        }
        // The server closed the connection or the network lost it: the line hung up.
        lose(loss(n == 0 ? 0 : errno));
    }
    return false;
}

bool NetworkSerialPort::writeOnce(const std::uint8_t* bytes, std::size_t count) {
    if (socket_ < 0)
        return false;
    int error = 0;
    if (telnet_) {
        const std::vector<std::uint8_t> wire = TelnetComPort::escaped(bytes, count);
        error = sendAll(wire.data(), wire.size());
    } else {
        error = sendAll(bytes, count);
    }
    if (error != 0)
        lose(loss(error));
    return error == 0;
}

int NetworkSerialPort::sendAll(const std::uint8_t* bytes, std::size_t count) {
    const auto deadline = deadlineAfter(writeTimeoutMs);
    std::size_t sent = 0;
    while (sent < count) {
        if (socket_ < 0)
            return ENOTCONN;
        // No SIGPIPE when the server has gone: the error says so.
        const ssize_t n = ::send(socket_, bytes + sent, count - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || !wouldBlock(errno))
            return n == 0 ? EPIPE : errno;
        if (!waitFor(socket_, POLLOUT, deadline))
            return ETIMEDOUT;
    }
    return 0;
}

void NetworkSerialPort::lose(const std::string& why) {
    if (loss_.empty())
        loss_ = why;
    release();
}

std::string NetworkSerialPort::lostMessage(const std::string& failure) const {
    return "The connection to " + name_->text() + " was lost: " + failure + ".";
}

void NetworkSerialPort::fail(const std::string& why) const {
    throw QuenlarException("Error opening " + name_->text() + ": " + why + ".");
}
