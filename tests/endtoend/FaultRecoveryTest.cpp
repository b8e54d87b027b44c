#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LineMessages.h"
#include "SerialStack.h"
#include "link/DummyVx41Protocol.h"
#include "link/ProtocolException.h"
#include "support/EmulatorProcess.h"
#include "support/Printers.h"

namespace {
// A unit whose answers lose and damage bytes: every exchange must either give the right answer,
// after retries, or fail with one of the line's messages - never a wrong value, never a hang.
class FaultRecoveryTest : public ::testing::TestWithParam<std::vector<std::string>> {
protected:
    void SetUp() override {
        emulator = std::make_unique<EmulatorProcess>(VX41_EMULATOR, GetParam());
        stack = std::make_unique<SerialStack>(emulator->linePath(), 115200);
    }
    void TearDown() override {
        stack.reset();
        emulator.reset();
    }
    // Runs the exchange; false when it failed as the line may fail.
    template <typename Exchange> bool attempt(Exchange exchange) {
        try {
            exchange();
            ++succeeded;
            return true;
        } catch (const ProtocolException& failure) {
            EXPECT_TRUE(isLineFailureMessage(failure.what())) << failure.what();
            ++failed;
            return false;
        }
    }

    std::unique_ptr<EmulatorProcess> emulator;
    std::unique_ptr<SerialStack> stack;
    DummyVx41Protocol expected;
    int succeeded = 0;
    int failed = 0;
};

TEST_P(FaultRecoveryTest, EveryExchangeSucceedsOrFailsWithALineMessage) {
    GenericProtocol& unit = stack->top();
    for (int round = 0; round < 6; ++round) {
        const ParameterId level(197, static_cast<std::uint8_t>(4 + round % 11));
        const ParameterValue written(100 + round);
        // The write may have reached the unit even when its exchange failed; read it back then.
        if (!attempt([&] { EXPECT_EQ(unit.writeAndRead(level, written, 0), written); }))
            attempt([&] { EXPECT_EQ(unit.read(level), written); });
        expected.write(level.previous(), written, 0);
        const ParameterId preset(210, static_cast<std::uint8_t>(round));
        attempt([&] { EXPECT_EQ(unit.read(preset), expected.read(preset)); });
        const ParameterIdSet ids{{117, 50}, {197, 0}, {197, 3}};
        ParameterValueMap values;
        if (attempt([&] { unit.readMany(ids, values); })) {
            for (const ParameterId& id : ids)
                EXPECT_EQ(values.at(id), expected.read(id)) << id.toString();
        }
    }
    RecordProperty("succeeded", succeeded);
    RecordProperty("failed", failed);
}

// Rates at which a damaged reply that still sums right stays unlikely: the checksum is an 8-bit
// sum, so two flips that cancel (say -4 in the command byte, +4 in a value byte) pass it, and at a
// quarter of all bytes flipped that happens within a few dozen exchanges.
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultRecoveryTest,
    ::testing::Values(std::vector<std::string>{"--drop", "0.03", "--corrupt", "0.03", "--seed",
                                               "7"},
                      std::vector<std::string>{"--drop", "0.1", "--seed", "11"},
                      std::vector<std::string>{"--corrupt", "0.1", "--seed", "13"},
                      std::vector<std::string>{"--drop", "0.05", "--corrupt", "0.05", "--busy-for",
                                               "2", "--seed", "17"}));
} // namespace
