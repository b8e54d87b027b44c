#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

// POSIX only. The far end of a line: the master side of a pseudo-terminal whose slave path a port
// opens.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        slavePath_ = ::ptsname(master_);
    }
    ~PseudoTerminal() { hangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& slavePath() const { return slavePath_; }

    void send(const std::vector<std::uint8_t>& bytes) const {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("pseudo-terminal write failed");
    }

    // What the port sent: up to count bytes, waiting at most wait for them, or until the last
    // program holding the slave side closed it.
    std::vector<std::uint8_t> receive(std::size_t count,
                                      std::chrono::seconds wait = std::chrono::seconds(2)) const {
        std::vector<std::uint8_t> bytes;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd line{master_, POLLIN, 0};
            if (::poll(&line, 1, 100) <= 0)
                continue;
            std::uint8_t chunk[4096];
            const ssize_t n = ::read(master_, chunk, std::min(sizeof(chunk), count - bytes.size()));
            if (n <= 0)
                break;
            bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }

    // The other end goes away, as when a USB adapter is pulled.
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_;
    std::string slavePath_;
};
