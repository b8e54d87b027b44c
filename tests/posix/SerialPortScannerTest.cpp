#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/posix/SerialPortScanner.h"

namespace {

namespace fs = std::filesystem;

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
