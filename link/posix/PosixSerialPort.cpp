#include "link/posix/PosixSerialPort.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

#include "link/posix/BaudRate.h"
#include "link/posix/SerialPortScanner.h"
#include "model/QuenlarException.h"

namespace {

using Deadline = std::chrono::steady_clock::time_point;

Deadline deadlineAfter(std::uint32_t ms) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

// The path as a message shows it: control bytes, which a path may hold, escaped as \xNN.
std::string shown(const std::string& path) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            text.append("\\x").append(1, digits[byte >> 4]).append(1, digits[byte & 0xF]);
        else
            text += c;
    }
    return text;
}

speed_t speedFor(const std::string& path, std::uint32_t baud) {
    if (const auto speed = BaudRate::code(baud))
        return *speed;
    throw QuenlarException("Error opening " + shown(path) + ": unsupported baud rate " +
                           std::to_string(baud) + " (use 9600, 19200, 38400 or 115200).");
}

std::string inUse(const std::string& path) {
    return "Error opening " + shown(path) + ": the port is in use by another program.";
}

// The group that owns the device, whose members may use it; empty when it tells nothing.
std::string owningGroup(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || status.st_gid == 0)
        return {};
    const group* owner = ::getgrgid(status.st_gid);
    return owner != nullptr ? owner->gr_name : std::string();
}

std::string permissionDenied(const std::string& path) {
    const std::string group = owningGroup(path);
    if (group.empty())
        return "Error opening " + shown(path) + ": permission denied.";
    return "Error opening " + shown(path) + ": permission denied; add your user to the group '" +
           group + "' and log in again.";
}

// Why the device at path cannot serve as the port, in the words the operator can act on.
std::string openFailure(const std::string& path, int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return permissionDenied(path);
    case EBUSY:
        return inUse(path);
    case ENOTTY:
        return "Error opening " + shown(path) + ": it is not a serial device.";
    default:
        return "Error opening " + shown(path) + ": " + std::generic_category().message(error) + ".";
    }
}

// Raw bytes, 8 data bits, no parity, one stop bit; modem lines ignored; hardware flow control
// as it was. Software flow control is off since it would swallow bytes of binary frames.
void makeRaw8N1(termios& settings, speed_t speed) {
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                               ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
}

enum class LineState { ready, timedOut, lost };

// Waits until the line is ready for events or the deadline passed. A hang-up, error or closed
// descriptor without the events is a lost line: waiting longer would not bring it back.
LineState waitFor(int fd, short events, Deadline deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return LineState::timedOut;
        pollfd line{fd, events, 0};
        const int result = ::poll(&line, 1, static_cast<int>(left.count()));
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return LineState::lost;
        if (result == 0)
            continue;
        return (line.revents & events) != 0 ? LineState::ready : LineState::lost;
    }
}

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

} // namespace

PosixSerialPort::PosixSerialPort(const std::string& path, std::uint32_t baud) {
    open(path, baud);
}

PosixSerialPort::~PosixSerialPort() {
    releaseDescriptor();
}

void PosixSerialPort::open(const std::string& path, std::uint32_t baud) {
    // While open the port stays on its device: a repair must reopen that one, not another.
    if (!isOpen())
        path_ = path;
    countOpen(baud);
}

void PosixSerialPort::openDevice(std::uint32_t baud) {
    const speed_t speed = speedFor(path_, baud);
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        throw QuenlarException(openFailure(path_, errno));
    try {
        // A regular file or /dev/null opens too, but is no line.
        termios settings{};
        if (::tcgetattr(fd_, &settings) != 0)
            throw QuenlarException(openFailure(path_, errno));
        // flock keeps out programs that lock too, root included; TIOCEXCL keeps out every
        // other unprivileged program.
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
            throw QuenlarException(openFailure(path_, wouldBlock(errno) ? EBUSY : errno));
        if (::ioctl(fd_, TIOCEXCL) != 0)
            throw QuenlarException(openFailure(path_, errno));
        makeRaw8N1(settings, speed);
        if (::tcsetattr(fd_, TCSANOW, &settings) != 0)
            throw QuenlarException("Error setting the serial port state.");
    } catch (...) {
        releaseDescriptor();
        throw;
    }
}

void PosixSerialPort::closeDevice() {
    releaseDescriptor();
}

void PosixSerialPort::releaseDescriptor() {
    if (fd_ < 0)
        return;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

// Reads wait in poll() with the recorded time-out; the driver itself never waits.
void PosixSerialPort::applyTimeout(std::uint32_t) {}

std::size_t PosixSerialPort::read(std::uint8_t* buffer, std::size_t count) {
    const Deadline deadline = deadlineAfter(timeout());
    std::size_t got = 0;
    bool saidReadable = false;
    while (fd_ >= 0 && got < count) {
        const ssize_t n = ::read(fd_, buffer + got, count - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            saidReadable = false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Nothing yet is EAGAIN, or 0 where VMIN = 0 gives that; 0 after poll() said the line
        // was readable is its end, as is any other error (EIO when the adapter was pulled).
        const bool nothingYet = n == 0 ? !saidReadable : wouldBlock(errno);
        if (!nothingYet || waitFor(fd_, POLLIN, deadline) != LineState::ready)
            break;
        saidReadable = true;
    }
    return got;
}

bool PosixSerialPort::writeOnce(const std::uint8_t* bytes, std::size_t count) {
    if (sendAll(bytes, count))
        return true;
    // What the line did not take would go out ahead of the next attempt's copy and garble it,
    // and closing the device for the repair would wait for it to drain: drop it.
    if (fd_ >= 0)
        ::tcflush(fd_, TCOFLUSH);
    return false;
}

bool PosixSerialPort::sendAll(const std::uint8_t* bytes, std::size_t count) {
    const Deadline deadline = deadlineAfter(writeTimeoutMs);
    std::size_t sent = 0;
    while (fd_ >= 0 && sent < count) {
        const ssize_t n = ::write(fd_, bytes + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && !wouldBlock(errno))
            return false;
        if (waitFor(fd_, POLLOUT, deadline) != LineState::ready)
            return false;
    }
    return sent == count;
}

std::vector<std::string> PosixSerialPort::availablePorts() {
    return SerialPortScanner("/dev", "/sys/class/tty").ports();
}
