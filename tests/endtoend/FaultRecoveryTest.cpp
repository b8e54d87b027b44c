#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "link/DummyVx41Protocol.h"
#include "link/ProtocolException.h"
#include "link/SerialStack.h"
#include "link/posix/PosixSerialPort.h"
#include "support/EmulatorProcess.h"
#include "support/Printers.h"

namespace {
bool isLineFailureMessage(const std::string& text) {
    static const std::set<std::string> fixed{
        "No response when expecting an ACK.",
        "There was no response to a poll.",
        "The device seems to be stuck in the busy state.",
        "The device didn't transmit after receiving authorization.",
        "The Smpte keyword is not STX",
        "The message length is missing.",
        "Some of the message data is missing.",
        "Incorrect checksum",
        "The device returned some unasked for parameters",
        "The device returned some parameters that were not asked for."};
    static const std::regex mismatch("The device returned [0-9]+ instead of (ACK|[0-9]+)");
    return fixed.contains(text) || std::regex_match(text, mismatch);
}

// Runs the exchange; false when it failed, which it may only do with one of the line's messages.
bool attempt(auto exchange) {
    try {
        exchange();
        return true;
    } catch (const ProtocolException& failure) {
        EXPECT_TRUE(isLineFailureMessage(failure.what())) << failure.what();
        return false;
    }
}

// A unit whose answers lose and damage bytes: every exchange must either give the right answer,
// after retries, or fail with one of the line's messages - never a wrong value, never a hang. At
// this rate two flips that cancel in the 8-bit checksum stay unlikely.
class FaultRecoveryTest : public ::testing::Test {
protected:
    EmulatorProcess emulator{VX41_EMULATOR, {"--drop", "0.03", "--corrupt", "0.03", "--seed", "7"}};
    PosixSerialPort port{emulator.linePath(), 115200};
    SerialStack stack{port, 0x8280};
    DummyVx41Protocol expected;
};

TEST_F(FaultRecoveryTest, EveryExchangeSucceedsOrFailsWithALineMessage) {
    GenericProtocol& unit = stack.top();
    int succeeded = 0;
    for (int round = 0; round < 3; ++round) {
        const ParameterId level(197, static_cast<std::uint8_t>(4 + round % 11));
        const ParameterValue written(100 + round);
        // The write may have reached the unit even when its exchange failed; read it back then.
        if (!attempt([&] { EXPECT_EQ(unit.writeAndRead(level, written, 0), written); }))
            attempt([&] { EXPECT_EQ(unit.read(level), written); });
        expected.write(level.previous(), written, 0);
        const ParameterId preset(210, static_cast<std::uint8_t>(round));
        succeeded += attempt([&] { EXPECT_EQ(unit.read(preset), expected.read(preset)); });
        const ParameterIdSet ids{{117, 50}, {197, 0}, {197, 3}};
        ParameterValueMap values;
        if (attempt([&] { unit.readMany(ids, values); })) {
            ++succeeded;
            for (const ParameterId& id : ids)
                EXPECT_EQ(values.at(id), expected.read(id)) << id.toString();
        }
    }
    // A stack that never recovers would fail every exchange with a line message too.
    EXPECT_GT(succeeded, 0);
}

} // namespace
