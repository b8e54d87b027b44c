// Open counting and write repair as both platform ports have them, on a scripted device.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/RepairingSerialPort.h"
#include "model/QuenlarException.h"
#include "support/FailureMessage.h"

namespace {

using testing::ElementsAre;

class ScriptedPort : public RepairingSerialPort {
public:
    void open(std::uint32_t baud) { countOpen(baud); }
    std::size_t read(std::uint8_t*, std::size_t) override { return 0; }

    std::vector<std::string> calls;
    int failingWrites = 1'000; // the writes that fail before one succeeds
    bool deviceMissing = false;

protected:
    void openDevice(std::uint32_t baud) override {
        calls.push_back("open " + std::to_string(baud));
        if (deviceMissing)
            throw QuenlarException("Error opening COM3");
    }
    void closeDevice() override { calls.push_back("close"); }
    void applyTimeout(std::uint32_t ms) override {
        calls.push_back("timeout " + std::to_string(ms));
    }
    bool writeOnce(const std::uint8_t*, std::size_t) override {
        calls.push_back("write");
        return failingWrites-- <= 0;
    }
};

const std::uint8_t frame[] = {0xFB, 0x82, 0x80};

TEST(RepairingSerialPort, CountsOpensButNotFailedOnesAndKeepsItsSpeed) {
    ScriptedPort port;
    port.deviceMissing = true;
    EXPECT_EQ(messageOf([&] { port.open(38400); }), "Error opening COM3");
    EXPECT_FALSE(port.isOpen());
    port.deviceMissing = false;
    port.calls.clear();

    port.open(9600);
    port.open(9600);
    EXPECT_EQ(messageOf([&] { port.open(19200); }),
              "Tried to re-open a port at a different baud rate.");
    std::uint32_t baud = 0;
    EXPECT_TRUE(port.isOpen(&baud));
    EXPECT_EQ(baud, 9600u);
    port.close();
    EXPECT_TRUE(port.isOpen());
    port.close();
    EXPECT_FALSE(port.isOpen(&baud));
    EXPECT_EQ(baud, 0u);
    port.close();
    EXPECT_THAT(port.calls, ElementsAre("open 9600", "close"));
}

// Every connect opens the port again; a repair must still reach the device, whatever the count.
TEST(RepairingSerialPort, ReopensAfterEveryFailedAttemptThenGivesUpOrStopsAtAFailedReopen) {
    ScriptedPort port;
    port.open(115200);
    port.open(115200);
    port.setTimeout(200);
    port.calls.clear();

    EXPECT_EQ(messageOf([&] { port.write(frame, sizeof(frame)); }), "Error sending serial data.");
    std::vector<std::string> cycles;
    for (int attempt = 0; attempt < 5; ++attempt)
        cycles.insert(cycles.end(), {"write", "close", "open 115200", "timeout 200"});
    EXPECT_EQ(port.calls, cycles);

    port.calls.clear();
    port.failingWrites = 1;
    port.write(frame, sizeof(frame));
    EXPECT_THAT(port.calls, ElementsAre("write", "close", "open 115200", "timeout 200", "write"));

    // A reopen that fails stops the write and leaves the port closed, whatever the count.
    port.failingWrites = 1'000;
    port.deviceMissing = true;
    EXPECT_EQ(messageOf([&] { port.write(frame, sizeof(frame)); }),
              "The device stopped answering: its serial port could not be opened again.");
    EXPECT_FALSE(port.isOpen());
    // Nothing left to repair: the next connect opens the device afresh.
    port.calls.clear();
    EXPECT_EQ(messageOf([&] { port.write(frame, sizeof(frame)); }), "Error sending serial data.");
    EXPECT_EQ(port.calls, std::vector<std::string>(5, "write"));
    port.deviceMissing = false;
    port.open(19200);
    EXPECT_TRUE(port.isOpen());
}

} // namespace
