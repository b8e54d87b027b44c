// The POSIX port on real pseudo-terminals: the test holds the master side, the port opens the
// slave path. Waits are bounded real reads; the bounds on elapsed time only catch hangs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <iostream>
#include <memory>
#include <numeric>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "link/posix/PosixSerialPort.h"
#include "support/FailureMessage.h"
#include "support/PseudoTerminal.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::steady_clock;
using testing::AnyOf;
using testing::ElementsAre;
using testing::Eq;
using Bytes = std::vector<std::uint8_t>;

constexpr int noUnprivilegedUser = 77;

std::string inUse(const std::string& path) {
    return "Error opening " + path + ": the port is in use by another program.";
}

// Runs check in a child process with the rights of 'nobody' (or of the current user when that
// is not root); the result is the child's exit code, 0 when check held.
int exitCodeUnprivileged(const std::function<bool()>& check) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody == nullptr)
        return noUnprivilegedUser;
    const uid_t uid = nobody != nullptr ? nobody->pw_uid : 0;
    const gid_t gid = nobody != nullptr ? nobody->pw_gid : 0;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(noUnprivilegedUser);
        ::_exit(check() ? 0 : 1);
    }
    if (child < 0)
        return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool opensWith(const std::string& path, const std::string& expected) {
    const std::string message = messageOf([&] { PosixSerialPort port(path, 9600); });
    if (message != expected)
        std::cerr << "got: " << message << '\n';
    return message == expected;
}

class PosixSerialPortTest : public testing::Test {
protected:
    PseudoTerminal line;
    const std::string path = line.slavePath();
};

TEST_F(PosixSerialPortTest, CountsOpensAndHoldsTheLineUntilTheLastClose) {
    PosixSerialPort port(path, 9600);
    port.open(path, 9600);
    EXPECT_EQ(messageOf([&] { port.open(path, 115200); }),
              "Tried to re-open a port at a different baud rate.");
    std::uint32_t baud = 0;
    EXPECT_TRUE(port.isOpen(&baud));
    EXPECT_EQ(baud, 9600u);

    PosixSerialPort other;
    port.close();
    EXPECT_EQ(messageOf([&] { other.open(path, 9600); }), inUse(path));
    port.close();
    EXPECT_FALSE(port.isOpen());
    other.open(path, 19200);
    EXPECT_TRUE(other.isOpen(&baud));
    EXPECT_EQ(baud, 19200u);
}

TEST_F(PosixSerialPortTest, PassesEveryByteUnchangedBothWays) {
    const Bytes controlBytes{0x03, 0x04, 0x0A, 0x0D, 0x11, 0x13, 0x1A, 0x7F, 0xFF, 0x00};
    PosixSerialPort port(path, 115200);
    port.setTimeout(2000);

    port.write(controlBytes.data(), controlBytes.size());
    EXPECT_EQ(line.receive(controlBytes.size()), controlBytes);

    line.send(controlBytes);
    Bytes got(controlBytes.size());
    EXPECT_EQ(port.read(got.data(), got.size()), controlBytes.size());
    EXPECT_EQ(got, controlBytes);
}

TEST_F(PosixSerialPortTest, ReadGivesWhatCameWithinTheTimeOut) {
    PosixSerialPort port(path, 38400);
    port.setTimeout(50);
    std::uint8_t buffer[5]{};

    const auto start = steady_clock::now();
    EXPECT_EQ(port.read(buffer, 1), 0u);
    EXPECT_GE(steady_clock::now() - start, 50ms);

    line.send({0x04, 0x08});
    EXPECT_EQ(port.read(buffer, 5), 2u);
    EXPECT_THAT(Bytes(buffer, buffer + 2), ElementsAre(0x04, 0x08));
}

TEST_F(PosixSerialPortTest, AssemblesBytesThatArriveOneAtATime) {
    PosixSerialPort port(path, 9600);
    port.setTimeout(10'000);
    const auto start = steady_clock::now();
    std::thread device([&] {
        for (std::uint8_t byte : {0x02, 0x04, 0x21, 0x05, 0x00}) {
            line.send({byte});
            std::this_thread::sleep_for(5ms); // so that the bytes arrive apart
        }
    });
    std::uint8_t frame[5]{};
    EXPECT_EQ(port.read(frame, 5), 5u);
    EXPECT_LT(steady_clock::now() - start, 5s); // taken as soon as complete
    device.join();
    EXPECT_THAT(frame, ElementsAre(0x02, 0x04, 0x21, 0x05, 0x00));
}

TEST_F(PosixSerialPortTest, WritesMoreThanTheLineBuffersAtOnce) {
    Bytes block(256 * 1024);
    std::iota(block.begin(), block.end(), std::uint8_t{0});
    PosixSerialPort port(path, 115200);
    Bytes received;
    std::thread device([&] { received = line.receive(block.size()); });
    port.write(block.data(), block.size());
    device.join();
    EXPECT_EQ(received, block);
}

TEST_F(PosixSerialPortTest, WriteThatTheLineNeverTakesFailsAfterItsAttempts) {
    const Bytes block(1024 * 1024);
    PosixSerialPort port(path, 115200);
    EXPECT_EQ(messageOf([&] { port.write(block.data(), block.size()); }),
              "Error sending serial data.");
    EXPECT_TRUE(port.isOpen());
}

TEST_F(PosixSerialPortTest, HangUpEndsReadsAtOnceAndFailsWrites) {
    PosixSerialPort port(path, 9600);
    port.setTimeout(10'000);
    line.hangUp();

    const auto start = steady_clock::now();
    std::uint8_t byte = 0;
    EXPECT_EQ(port.read(&byte, 1), 0u);
    EXPECT_EQ(port.read(&byte, 1), 0u);
    EXPECT_THAT(messageOf([&] { port.write(&byte, 1); }),
                AnyOf(Eq("Error sending serial data."), Eq("Error opening " + path)));
    EXPECT_EQ(port.read(&byte, 1), 0u);
    EXPECT_LT(steady_clock::now() - start, 5s);
}

TEST_F(PosixSerialPortTest, RefusesMissingDevicesAndOtherSpeeds) {
    PosixSerialPort port;
    EXPECT_EQ(messageOf([&] { port.open("/dev/vx41-no-such-port", 9600); }),
              "Error opening /dev/vx41-no-such-port");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(messageOf([&] { port.open(path, 57600); }),
              "Error opening " + path +
                  ": unsupported baud rate 57600 (use 9600, 19200, 38400 or 115200).");
    EXPECT_FALSE(port.isOpen());
    port.open(path, 9600);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(PosixSerialPortTest, OpensThroughASymlinkAndStillHoldsTheDevice) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("vx41-port-" + std::to_string(::getpid()));
    std::filesystem::create_symlink(path, link);
    PosixSerialPort port(link.string(), 9600);
    std::filesystem::remove(link);

    EXPECT_EQ(messageOf([&] { PosixSerialPort(path, 9600); }), inUse(path));
    line.send({0x06});
    std::uint8_t byte = 0;
    EXPECT_EQ(port.read(&byte, 1), 1u);
    EXPECT_EQ(byte, 0x06);
}

// Root passes TIOCEXCL, so only an unprivileged program shows that every other program is kept
// out, those that do not lock the device included; once the port is closed it may come in.
TEST_F(PosixSerialPortTest, KeepsOutAnUnprivilegedProgramWhileOpen) {
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    auto port = std::make_unique<PosixSerialPort>(path, 9600);
    const int whileOpen = exitCodeUnprivileged([&] {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        return fd < 0 && errno == EBUSY && opensWith(path, inUse(path));
    });
    if (whileOpen == noUnprivilegedUser)
        GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_EQ(whileOpen, 0);

    port.reset();
    EXPECT_EQ(exitCodeUnprivileged([&] { return opensWith(path, "no failure"); }), 0);
}

TEST_F(PosixSerialPortTest, PermissionDeniedNamesTheGroupToJoin) {
    const group* dialout = ::getgrnam("dialout");
    if (::geteuid() != 0 || dialout == nullptr)
        GTEST_SKIP() << "needs root and a group 'dialout' to hand the device to";
    ASSERT_EQ(::chown(path.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
    const int result = exitCodeUnprivileged([&] {
        return opensWith(path, "Error opening " + path +
                                   ": permission denied; add your user to the group 'dialout' "
                                   "and log in again.");
    });
    if (result == noUnprivilegedUser)
        GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_EQ(result, 0);
}

} // namespace
