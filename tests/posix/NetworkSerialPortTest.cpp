// The network port against sockets of the test's own on the loopback address: a server that takes
// no more connections, and one that closes the connection.
#include <gtest/gtest.h>

#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "link/posix/NetworkSerialPort.h"
#include "support/FailureMessage.h"

namespace {

using namespace std::chrono_literals;

// A listening socket on a free loopback port whose connections are accepted only when asked.
class Listener {
public:
    Listener() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(socket_, 0);
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        for (const int client : clients_)
            ::close(client);
        ::close(socket_);
    }

    std::string name() const { return "tcp://127.0.0.1:" + std::to_string(port_); }
    int accept() { return clients_.emplace_back(::accept(socket_, nullptr, nullptr)); }
    // Connections nobody accepts fill the queue, so that the next one is never answered.
    void fillQueue() {
        for (int i = 0; i < 4; ++i) {
            const int client =
                clients_.emplace_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<std::uint16_t>(port_));
            ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address);
        }
    }

private:
    int socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port_ = 0;
    std::vector<int> clients_;
};

TEST(NetworkSerialPort, AServerThatDoesNotAnswerFailsWithinTheReadTimeOut) {
    Listener server;
    server.fillQueue();
    NetworkSerialPort port;
    port.setTimeout(100);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(messageOf([&] { port.open(server.name(), 115200); }),
              "Error opening " + server.name() + ": Connection timed out.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "the connection hung";
    EXPECT_FALSE(port.isOpen());
}

// The bytes pass both ways as they are; once the server has closed the connection the port
// says so and does not connect again by itself, though the server would take it.
TEST(NetworkSerialPort, AClosedConnectionIsALostLineUntilOpenedAgain) {
    Listener server;
    NetworkSerialPort port;
    port.setTimeout(200);
    port.open(server.name(), 9600);
    const int unit = server.accept();
    const std::vector<std::uint8_t> frame{0x02, 0xFF, 0x0D, 0x0A, 0x00};
    port.write(frame.data(), frame.size());
    std::vector<std::uint8_t> got(frame.size());
    ASSERT_EQ(::read(unit, got.data(), got.size()), 5);
    EXPECT_EQ(got, frame);
    ASSERT_EQ(::write(unit, frame.data(), frame.size()), 5);
    EXPECT_EQ(port.read(got.data(), got.size()), 5u);
    EXPECT_EQ(got, frame);

    ::shutdown(unit, SHUT_RDWR);
    EXPECT_EQ(port.read(got.data(), 1), 0u);
    EXPECT_EQ(messageOf([&] { port.write(frame.data(), frame.size()); }),
              "The connection to " + server.name() + " was lost: the server closed it.");
    EXPECT_FALSE(port.isOpen());

    port.open(server.name(), 9600);
    const int again = server.accept();
    port.write(frame.data(), 1);
    EXPECT_EQ(::read(again, got.data(), 1), 1);
}

} // namespace
