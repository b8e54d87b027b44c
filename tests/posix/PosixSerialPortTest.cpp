// The POSIX port on real pseudo-terminals: the test holds the master side, the port opens the
// slave path. Waits are bounded real reads; the bounds on elapsed time only catch hangs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
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
#include "link/posix/SerialPortScanner.h"
#include "model/QuenlarException.h"
#include "support/FailureMessage.h"
#include "support/PseudoTerminal.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::steady_clock;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

constexpr int noUnprivilegedUser = 77;

std::string inUse(const std::string& path) {
    return "Error opening " + path + ": the port is in use by another program.";
}

// Runs check in a child process with the rights of 'nobody' (or of the current user when that
// is not root); the result is the child's exit code, 0 when check held.
int exitCodeUnprivileged(const std::function<bool()>& check) {
    const passwd* nobody = ::getpwnam("nobody");
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                                 ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0))
            ::_exit(noUnprivilegedUser);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
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

// Counting opens is the shared port's and tested there; this is about the device.
TEST_F(PosixSerialPortTest, HoldsTheDeviceItselfUntilTheLastClose) {
    PosixSerialPort port;
    EXPECT_EQ(messageOf([&] { port.open(path, 57600); }),
              "Error opening " + path +
                  ": unsupported baud rate 57600 (use 9600, 19200, 38400 or 115200).");
    // Opened through a link, as a stable device name is, the port holds the device itself.
    const auto link =
        std::filesystem::temp_directory_path() / ("vx41-port-" + std::to_string(::getpid()));
    std::filesystem::create_symlink(path, link);
    port.open(link.string(), 9600);
    std::filesystem::remove(link);
    port.open(path, 9600);

    PosixSerialPort other;
    port.close();
    EXPECT_EQ(messageOf([&] { other.open(path, 9600); }), inUse(path));
    port.close();
    other.open(path, 19200);
    EXPECT_TRUE(other.isOpen());
}

TEST_F(PosixSerialPortTest, ReadGivesWhatCameWithinTheTimeOutAndWaitsForSlowBytes) {
    PosixSerialPort port(path, 38400);
    port.setTimeout(50);
    std::uint8_t buffer[5]{};
    auto start = steady_clock::now();
    EXPECT_EQ(port.read(buffer, 1), 0u);
    EXPECT_GE(steady_clock::now() - start, 50ms);
    line.send({0x04, 0x08});
    EXPECT_EQ(port.read(buffer, 5), 2u);
    EXPECT_THAT(Bytes(buffer, buffer + 2), ElementsAre(0x04, 0x08));

    port.setTimeout(10'000);
    start = steady_clock::now();
    std::thread device([&] {
        for (std::uint8_t byte : {0x02, 0x04, 0x21, 0x05, 0x00}) {
            line.send({byte});
            std::this_thread::sleep_for(5ms); // so that the bytes arrive apart
        }
    });
    EXPECT_EQ(port.read(buffer, 5), 5u);
    EXPECT_LT(steady_clock::now() - start, 5s); // taken as soon as complete
    device.join();
    EXPECT_THAT(buffer, ElementsAre(0x02, 0x04, 0x21, 0x05, 0x00));
}

TEST_F(PosixSerialPortTest, WritesMoreThanTheLineBuffersAndGivesUpWhenNobodyReads) {
    Bytes block(256 * 1024);
    std::iota(block.begin(), block.end(), std::uint8_t{0});
    PosixSerialPort port(path, 115200);
    Bytes received;
    std::thread device([&] { received = line.receive(block.size()); });
    port.write(block.data(), block.size());
    device.join();
    EXPECT_EQ(received, block);

    block.resize(1024 * 1024);
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
    EXPECT_THROW(port.write(&byte, 1), QuenlarException);
    EXPECT_EQ(port.read(&byte, 1), 0u);
    EXPECT_LT(steady_clock::now() - start, 5s);
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

namespace fs = std::filesystem;

// The scanner over a tree of the test's own standing in for /dev and /sys/class/tty.
class SerialPortScannerTest : public testing::Test {
protected:
    ~SerialPortScannerTest() override { fs::remove_all(root); }

    std::vector<std::string> ports() const { return SerialPortScanner(devices, ttyClass).ports(); }

    const fs::path root = fs::temp_directory_path() / ("vx41-scan-" + std::to_string(::getpid()));
    const fs::path devices = root / "dev";
    const fs::path ttyClass = root / "class-tty";
};

TEST_F(SerialPortScannerTest, ListsStableNamesThenSerialNodesInNaturalOrder) {
    EXPECT_TRUE(ports().empty()); // no device folder at all
    fs::create_directories(devices);
    std::ofstream(devices / "tty0").put('\n');
    EXPECT_TRUE(ports().empty()); // no serial devices
    fs::create_directories(devices / "serial" / "by-id");
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB0", "ttyACM0", "console",
                             "null", "cu.usbserial-1", "ptmx"})
        std::ofstream(devices / name).put('\n');
    // ttyS1 has no UART behind it.
    for (const auto& [name, type] :
         {std::pair{"ttyS0", "4"}, std::pair{"ttyS1", "0"}, std::pair{"ttyS2", "4"}}) {
        fs::create_directories(ttyClass / name);
        std::ofstream(ttyClass / name / "type") << type << '\n';
    }
    fs::create_symlink("../../ttyUSB0", devices / "serial/by-id/usb-Adapter_A1-if00-port0");
    fs::create_symlink("../../ttyUSB7", devices / "serial/by-id/usb-Adapter_B2-if00-port0");

    std::vector<std::string> expected{
        (devices / "serial/by-id/usb-Adapter_A1-if00-port0").string()};
    for (const char* name : {"cu.usbserial-1", "ttyACM0", "ttyS0", "ttyS2", "ttyS10", "ttyUSB0"})
        expected.push_back((devices / name).string());
    EXPECT_EQ(ports(), expected);
}

} // namespace
