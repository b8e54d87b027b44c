#pragma once

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "support/ChildProcess.h"

// The serial server ser2net serving one serial device (the emulator's line) on a free port of
// the loopback address, in raw mode or as a Telnet server with RFC 2217 port control, with its
// configuration in a throw-away folder. The server is ready when it listens; it can be killed and
// started again on the same port, as a server restarted in a machine room would be.
class Ser2netProcess {
public:
    enum class Mode { raw, rfc2217 };

    Ser2netProcess(const std::string& device, Mode mode, std::uint32_t baud = 115200)
        : mode_(mode), port_(freePort()) {
        if (!std::filesystem::exists(program))
            throw std::runtime_error("ser2net is not installed: scripts/install-dependencies "
                                     "installs it");
        char folder[] = "/tmp/vx41-ser2net-XXXXXX";
        if (::mkdtemp(folder) == nullptr)
            throw std::runtime_error("cannot make a folder for ser2net");
        folder_ = folder;
        std::ofstream(folder_ / "ser2net.yaml") << configuration(device, baud);
        start();
    }
    ~Ser2netProcess() {
        process_.reset();
        std::filesystem::remove_all(folder_);
    }
    Ser2netProcess(const Ser2netProcess&) = delete;
    Ser2netProcess& operator=(const Ser2netProcess&) = delete;

    // The port name the programs take.
    std::string address() const {
        return std::string(mode_ == Mode::raw ? "tcp" : "rfc2217") +
               "://127.0.0.1:" + std::to_string(port_);
    }

    // Ends the server at once, its connections with it.
    void kill() { process_->stop(SIGKILL); }
    // What it says goes to a log of its own: without a zeroconf daemon it complains of one on
    // every start.
    void start() {
        const std::string folder = folder_.string();
        const int log = ::open((folder + "/ser2net.log").c_str(),
                               O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        process_ = std::make_unique<ChildProcess>(
            program,
            std::vector<std::string>{"-n", "-u", "-c", folder + "/ser2net.yaml", "-P",
                                     folder + "/ser2net.pid"},
            -1, log);
        ::close(log);
        awaitListening();
    }

private:
    static constexpr const char* program = "/usr/sbin/ser2net";

    std::string configuration(const std::string& device, std::uint32_t baud) const {
        std::ostringstream text;
        text << "connection: &unit\n"
             << "  accepter: " << (mode_ == Mode::raw ? "" : "telnet(rfc2217),") << "tcp,127.0.0.1,"
             << port_ << "\n"
             << "  connector: serialdev," << device << "," << baud << "n81,local\n"
             << "  options:\n    mdns: false\n    chardelay: false\n";
        return text.str();
    }

    static int freePort() {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no free port on the loopback address");
        ::close(probe);
        return ntohs(address.sin_port);
    }

    // Looks for the listening socket in the kernel's table rather than connecting, which the
    // server would take for a client and answer by opening the device.
    bool listening() const {
        char local[32];
        std::snprintf(local, sizeof local, "0100007F:%04X", port_);
        std::ifstream table("/proc/net/tcp");
        std::string line;
        while (std::getline(table, line))
            if (line.find(local) != std::string::npos && line.find(" 0A ") != std::string::npos)
                return true;
        return false;
    }

    void awaitListening() const {
        for (int check = 0; check < 1000; ++check) {
            if (listening())
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream log(folder_ / "ser2net.log");
        throw std::runtime_error("ser2net did not start listening: " +
                                 std::string(std::istreambuf_iterator<char>(log), {}));
    }

    Mode mode_;
    int port_;
    std::filesystem::path folder_;
    std::unique_ptr<ChildProcess> process_;
};
