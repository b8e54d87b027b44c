#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "link/SerialStack.h"
#include "link/posix/PosixSerialPort.h"
#include "support/EmulatorProcess.h"
#include "support/FakeClock.h"
#include "support/Printers.h"
#include "support/PseudoTerminal.h"

namespace {
// The stack against a well-behaved emulated unit; every answer must equal the off-line unit's.
TEST(SerialStackTest, TheProgramSeesTheSameUnitOnTheLineAsOffLine) {
    EmulatorProcess emulator(VX41_EMULATOR, {});
    PosixSerialPort port(emulator.linePath(), 115200);
    SerialStack stack(port, 0x8280);
    FakeClock clock;
    Vx41Params overLine(stack.top(), clock);
    DummyVx41Protocol unit;
    Protocol offLineProtocol(unit);
    Vx41Params offLine(offLineProtocol, clock);
    for (Vx41Params* program : {&overLine, &offLine}) {
        program->refreshEverything();
        // The programme configuration source switched to External 1, with every rule it sets off.
        program->setValue(ParameterId(121, 0), ParameterValue(1));
        program->refreshEverything();
    }
    EXPECT_EQ(overLine.find(ParameterId(123, 4)).getValue(), ParameterValue(1));
    EXPECT_EQ(overLine.find(ParameterId(121, 8)).getValue(), ParameterValue(1));
    for (const auto& [id, parameter] : overLine.parameters())
        EXPECT_EQ(parameter->getValue(), offLine.find(id).getValue()) << id.toString();
    // An id the unit does not hold comes back as an empty value.
    EXPECT_EQ(stack.top().read(ParameterId(33, 5)), ParameterValue());
}

TEST(EmulatorProcessTest, ServesASerialDeviceThroughALinkAndPutsEverythingBack) {
    // A pseudo-terminal stands in for the null-modem cable: the emulator takes its slave as the
    // device, the test talks on the master as the PC would.
    PseudoTerminal cable;
    const int observer = ::open(cable.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(observer, 0);
    const auto settings = [observer] {
        termios now{};
        EXPECT_EQ(::tcgetattr(observer, &now), 0);
        return now;
    };
    const termios before = settings();
    ASSERT_NE(before.c_lflag & ECHO, 0u);
    const std::string link = ::testing::TempDir() + "vx41-endtoend-link";
    {
        EmulatorProcess emulator(
            VX41_EMULATOR, {"--device", cable.slavePath(), "--baud", "38400", "--link", link});
        EXPECT_EQ(emulator.linePath(), cable.slavePath());
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), emulator.linePath());
        const termios during = settings();
        EXPECT_EQ(during.c_lflag & ECHO, 0u);
        EXPECT_EQ(::cfgetospeed(&during), B38400);
        cable.send({0xFB, 0x82, 0x81});
        EXPECT_EQ(cable.receive(1), std::vector<std::uint8_t>{0x04});
        EXPECT_EQ(emulator.stop(), 0);
    }
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    const termios after = settings();
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(::cfgetospeed(&after), ::cfgetospeed(&before));
    ::close(observer);
}
} // namespace
