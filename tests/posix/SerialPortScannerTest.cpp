#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/posix/SerialPortScanner.h"

namespace {

namespace fs = std::filesystem;

class SerialPortScannerTest : public testing::Test {
protected:
    SerialPortScannerTest() {
        fs::create_directories(devices / "serial" / "by-id");
        fs::create_directories(ttyClass);
    }
    ~SerialPortScannerTest() override { fs::remove_all(root); }

    void node(const std::string& name) const { std::ofstream(devices / name).put('\n'); }
    void uartType(const std::string& name, const std::string& type) const {
        fs::create_directories(ttyClass / name);
        std::ofstream(ttyClass / name / "type") << type << '\n';
    }

    const fs::path root = fs::temp_directory_path() / ("vx41-scan-" + std::to_string(::getpid()));
    const fs::path devices = root / "dev";
    const fs::path ttyClass = root / "class-tty";
};

TEST_F(SerialPortScannerTest, ListsStableNamesThenSerialNodesInNaturalOrder) {
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB0", "ttyACM0", "tty0",
                             "console", "null", "cu.usbserial-1", "ptmx"})
        node(name);
    uartType("ttyS0", "4");
    uartType("ttyS1", "0"); // no UART behind it
    uartType("ttyS2", "4");
    fs::create_symlink("../../ttyUSB0", devices / "serial/by-id/usb-Adapter_A1-if00-port0");
    fs::create_symlink("../../ttyUSB7", devices / "serial/by-id/usb-Adapter_B2-if00-port0");

    const std::vector<std::string> expected{
        (devices / "serial/by-id/usb-Adapter_A1-if00-port0").string(),
        (devices / "cu.usbserial-1").string(),
        (devices / "ttyACM0").string(),
        (devices / "ttyS0").string(),
        (devices / "ttyS2").string(),
        (devices / "ttyS10").string(),
        (devices / "ttyUSB0").string()};
    EXPECT_EQ(SerialPortScanner(devices, ttyClass).ports(), expected);
}

TEST_F(SerialPortScannerTest, MachineWithoutSerialDevicesHasNoPorts) {
    node("tty0");
    fs::remove_all(devices / "serial");
    EXPECT_TRUE(SerialPortScanner(devices, ttyClass).ports().empty());
    EXPECT_TRUE(SerialPortScanner(root / "missing", ttyClass).ports().empty());
}

} // namespace
