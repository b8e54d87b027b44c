#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "SerialStack.h"
#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"
#include "support/EmulatorProcess.h"
#include "support/FakeClock.h"
#include "support/Printers.h"
#include "support/PseudoTerminal.h"

namespace {
// The stack against a well-behaved emulated unit; every answer must equal the off-line unit's.
class SerialStackTest : public ::testing::Test {
protected:
    void start(std::vector<std::string> arguments = {}, std::uint32_t baud = 115200) {
        arguments.push_back("--baud");
        arguments.push_back(std::to_string(baud));
        emulator = std::make_unique<EmulatorProcess>(VX41_EMULATOR, arguments);
        stack = std::make_unique<SerialStack>(emulator->linePath(), baud);
    }
    void TearDown() override {
        stack.reset();
        emulator.reset();
    }
    static std::string failureOf(auto exchange) {
        try {
            exchange();
        } catch (const ProtocolException& failure) {
            return failure.what();
        }
        return "no failure";
    }

    std::unique_ptr<EmulatorProcess> emulator;
    std::unique_ptr<SerialStack> stack;
};

TEST_F(SerialStackTest, ReadsWhatAFreshUnitHolds) {
    start();
    GenericProtocol& unit = stack->top();
    EXPECT_TRUE(unit.status().isOk());
    EXPECT_EQ(unit.read(ParameterId(197, 0)), ParameterValue(60));
    EXPECT_EQ(unit.read(ParameterId(210, 31)), ParameterValue::fromText("PRESET 32"));
    // An id the unit does not hold comes back as an empty value.
    EXPECT_EQ(unit.read(ParameterId(33, 5)), ParameterValue());
}

TEST_F(SerialStackTest, ReadsManyIdsGroupedByNumber) {
    start();
    const ParameterIdSet ids{{113, 4}, {117, 50}, {197, 0}, {197, 17}, {210, 0}, {210, 64}};
    ParameterValueMap values;
    stack->top().readMany(ids, values);
    DummyVx41Protocol fresh;
    ASSERT_EQ(values.size(), ids.size());
    for (const ParameterId& id : ids)
        EXPECT_EQ(values.at(id), fresh.read(id)) << id.toString();
}

TEST_F(SerialStackTest, WritesAreReadBackWithTheUnitsReactions) {
    start();
    GenericProtocol& unit = stack->top();
    EXPECT_EQ(unit.writeAndRead(ParameterId(197, 0), ParameterValue(42), 0), ParameterValue(42));
    EXPECT_EQ(unit.writeAndRead(ParameterId(210, 3), ParameterValue::fromText("STUDIO B"), 0),
              ParameterValue::fromText("STUDIO B"));
    // The programme configuration source moved to External 1 brings the External 1 values in.
    EXPECT_EQ(unit.writeAndRead(ParameterId(121, 0), ParameterValue(1), 0), ParameterValue(1));
    EXPECT_EQ(unit.read(ParameterId(180, 8)), ParameterValue(27));
    EXPECT_EQ(unit.read(ParameterId(179, 8)), ParameterValue::fromText("Program 1"));
    EXPECT_EQ(unit.writeAndRead(ParameterId(117, 50), ParameterValue(2), 0), ParameterValue(2));
    EXPECT_EQ(unit.read(ParameterId(117, 42)), ParameterValue(0));
    EXPECT_EQ(unit.read(ParameterId(117, 43)), ParameterValue(1));
}

TEST_F(SerialStackTest, WaitsOutAUnitThatIsBusyAfterWrites) {
    start({"--write-delay", "300", "--busy-for", "3"});
    GenericProtocol& unit = stack->top();
    // Shorter than the unit's delay: the rest is spent polling through BUSY answers.
    EXPECT_EQ(unit.writeAndRead(ParameterId(197, 3), ParameterValue(12), 100), ParameterValue(12));
    EXPECT_TRUE(unit.status().isOk());
    EXPECT_EQ(unit.read(ParameterId(197, 4)), ParameterValue(160));
}

TEST_F(SerialStackTest, KeepsWorkingAtTheLinesPaceAcrossClients) {
    start({"--pace"}, 9600);
    EXPECT_EQ(stack->top().read(ParameterId(212, 0)), ParameterValue::fromText("RPRESET 1"));
    // The next client on the same line finds it as the last one left it.
    stack->top().write(ParameterId(196, 0), ParameterValue(61), 0);
    stack.reset();
    stack = std::make_unique<SerialStack>(emulator->linePath(), 9600);
    EXPECT_EQ(stack->top().read(ParameterId(197, 0)), ParameterValue(61));
}

TEST_F(SerialStackTest, TakesAFullFrameAtTheSlowestPace) {
    // 21 preset names make a 245-byte reply: longer on the line than one read time-out.
    start({"--pace"}, 9600);
    ParameterIdSet names;
    for (std::uint8_t slot = 0; slot < 21; ++slot)
        names.push_back(ParameterId(210, slot));
    ParameterValueMap values;
    stack->top().readMany(names, values);
    EXPECT_EQ(values.at(ParameterId(210, 20)), ParameterValue::fromText("PRESET 21"));
}

TEST_F(SerialStackTest, GivesUpOnAUnitThatStaysBusy) {
    start({"--busy-for", "1000"});
    EXPECT_EQ(failureOf([this] { stack->top().read(ParameterId(197, 0)); }),
              "The device returned 6 instead of 8");
}

TEST_F(SerialStackTest, ReportsAUnitThatFellSilent) {
    start({"--silent-after", "1"});
    GenericProtocol& unit = stack->top();
    unit.write(ParameterId(196, 0), ParameterValue(7), 0);
    EXPECT_EQ(failureOf([&unit] { unit.read(ParameterId(197, 0)); }),
              "No response when expecting an ACK.");
    EXPECT_EQ(unit.status().name(), "Not Responding");
}

TEST_F(SerialStackTest, TheProgramSeesTheSameUnitOnTheLineAsOffLine) {
    start();
    FakeClock clock;
    Vx41Params overLine(stack->top(), clock);
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
}

TEST(EmulatorProcessTest, StopsCleanlyOnTerminationAndRemovesItsLink) {
    const std::string link = ::testing::TempDir() + "vx41-endtoend-link";
    EmulatorProcess emulator(VX41_EMULATOR, {"--link", link});
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), emulator.linePath());
    EXPECT_EQ(emulator.stop(), 0);
    EXPECT_NE(::access(link.c_str(), F_OK), 0);
}

TEST(EmulatorProcessTest, ServesASerialDeviceAndPutsBackItsSettings) {
    // A pseudo-terminal stands in for the null-modem cable: the emulator takes its slave as the
    // device, the test talks on the master as the PC would.
    PseudoTerminal cable;
    const int observer = ::open(cable.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(observer, 0);
    termios before{};
    ASSERT_EQ(::tcgetattr(observer, &before), 0);
    ASSERT_NE(before.c_lflag & ECHO, 0u);
    {
        EmulatorProcess emulator(VX41_EMULATOR, {"--device", cable.slavePath(), "--baud", "38400"});
        EXPECT_EQ(emulator.linePath(), cable.slavePath());
        termios during{};
        ASSERT_EQ(::tcgetattr(observer, &during), 0);
        EXPECT_EQ(during.c_lflag & ECHO, 0u);
        EXPECT_EQ(::cfgetospeed(&during), B38400);
        cable.send({0xFB, 0x82, 0x81});
        EXPECT_EQ(cable.receive(1), std::vector<std::uint8_t>{0x04});
        EXPECT_EQ(emulator.stop(), 0);
    }
    termios after{};
    ASSERT_EQ(::tcgetattr(observer, &after), 0);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(::cfgetospeed(&after), ::cfgetospeed(&before));
    ::close(observer);
}
} // namespace
