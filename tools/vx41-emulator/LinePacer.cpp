#include "LinePacer.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "SystemFailure.h"

namespace {
constexpr int bitsPerByte = 10;
constexpr int listenerWaitMs = 1000;
} // namespace

LinePacer::LinePacer(int fd, std::uint32_t baud, bool pace)
    : fd_(fd), pace_(pace),
      byteTime_(std::chrono::nanoseconds(1'000'000'000LL * bitsPerByte / baud)),
      inputFreeAt_(SteadyClock::now()), outputFreeAt_(inputFreeAt_) {}

void LinePacer::received(std::size_t count) {
    inputFreeAt_ =
        std::max(inputFreeAt_, SteadyClock::now()) + byteTime_ * static_cast<std::int64_t>(count);
}

void LinePacer::send(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty())
        return;
    if (pace_)
        sendPaced(bytes);
    else
        writeAll(bytes.data(), bytes.size());
}

void LinePacer::sendPaced(const std::vector<std::uint8_t>& bytes) {
    auto complete = std::max({SteadyClock::now(), inputFreeAt_, outputFreeAt_});
    for (std::uint8_t byte : bytes) {
        complete += byteTime_;
        std::this_thread::sleep_until(complete);
        writeAll(&byte, 1);
    }
    outputFreeAt_ = complete;
}

void LinePacer::writeAll(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written > 0) {
            bytes += written;
            count -= static_cast<std::size_t>(written);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitWritable())
                return;
        } else if (errno != EINTR) {
            throw SystemFailure("cannot write to the line");
        }
    }
}

bool LinePacer::waitWritable() {
    pollfd writable{fd_, POLLOUT, 0};
    return ::poll(&writable, 1, listenerWaitMs) > 0 && (writable.revents & POLLOUT) != 0;
}
