#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyProtocol.h"
#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"
#include "support/FailureMessage.h"

namespace {

// A line that fails a given number of exchanges before it answers, and counts the attempts.
// Given a reply, it answers every bulk read with it, after a damaged reply if one is given.
class FlakyLine : public DummyProtocol {
public:
    int failuresLeft = 0;
    ParameterValueMap reply;
    ParameterValueMap damagedReply;
    int attempts = 0;
    bool portFault = false;

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delay) override {
        exchange();
        DummyProtocol::write(id, value, delay);
    }
    ParameterValue read(const ParameterId& id) override {
        exchange();
        return DummyProtocol::read(id);
    }
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override {
        if (reply.empty())
            return DummyProtocol::readMany(ids, values);
        values.insert(reply.begin(), reply.end());
        values.insert(damagedReply.begin(), damagedReply.end());
        damagedReply.clear();
    }

private:
    void exchange() {
        ++attempts;
        if (portFault)
            throw QuenlarException("Error sending serial data.");
        if (failuresLeft > 0) {
            --failuresLeft;
            throw ProtocolException("failure " + std::to_string(attempts));
        }
    }
};

TEST(Protocol, BulkAnswersMustHoldExactlyTheIdsAskedForEvenBehindRepeats) {
    FlakyLine line;
    Protocol bridge(line);
    FaultTolerantProtocol tolerant(bridge, 5);
    const ParameterIdSet asked{{0x30, 1}, {0x30, 2}};
    const auto readMany = [&] {
        ParameterValueMap values;
        tolerant.readMany(asked, values);
    };
    line.reply = {{{0x30, 1}, 1}, {{0x30, 2}, 2}, {{0x30, 3}, 3}};
    EXPECT_EQ(messageOf(readMany), "The device returned some unasked for parameters");
    line.reply = {{{0x30, 1}, 1}, {{0x31, 2}, 2}};
    EXPECT_EQ(messageOf(readMany), "The device returned some parameters that were not asked for.");
    line.reply = {{{0x30, 1}, 1}, {{0x30, 2}, 2}};
    EXPECT_EQ(messageOf(readMany), "no failure");

    // One damaged answer costs one attempt: the repeat starts from an empty map of its own.
    line.damagedReply = {{{0x30, 3}, 3}};
    ParameterValueMap values;
    tolerant.readMany(asked, values);
    EXPECT_EQ(values, line.reply);
}

class FaultTolerance : public ::testing::Test {
protected:
    FlakyLine line;
    Protocol bridge{line};
    FaultTolerantProtocol tolerant{bridge, 5};
};

TEST_F(FaultTolerance, TriesFiveTimesAndGivesTheLastFailuresText) {
    line.write(ParameterId(0x20, 1), 9, 0);
    line.failuresLeft = 4;
    line.attempts = 0;
    EXPECT_EQ(tolerant.read(ParameterId(0x21, 1)), ParameterValue(9));
    EXPECT_EQ(line.attempts, 5);
    line.failuresLeft = 10;
    line.attempts = 0;
    EXPECT_EQ(messageOf([&] { tolerant.read(ParameterId(0x21, 1)); }), "failure 5");
    EXPECT_EQ(line.attempts, 5);
}

TEST_F(FaultTolerance, EveryExchangeIsRepeatedFromTheStart) {
    line.failuresLeft = 2;
    EXPECT_EQ(tolerant.writeAndRead(ParameterId(0x21, 1), 4, 0), ParameterValue(4));
    line.failuresLeft = 2;
    tolerant.write(ParameterId(0x20, 2), 5, 0);
    line.failuresLeft = 2;
    ParameterValueMap values;
    tolerant.readMany({{0x21, 1}, {0x21, 2}}, values);
    EXPECT_EQ(values, (ParameterValueMap{{{0x21, 1}, 4}, {{0x21, 2}, 5}}));
}

TEST_F(FaultTolerance, PortFailuresAndSingleAttemptsAreNotRepeated) {
    line.portFault = true;
    EXPECT_THROW(tolerant.write(ParameterId(0x20, 1), 1, 0), QuenlarException);
    EXPECT_EQ(line.attempts, 1);
    line.portFault = false;
    for (std::uint32_t attempts : {0u, 1u}) {
        line.failuresLeft = 1;
        line.attempts = 0;
        EXPECT_THROW(FaultTolerantProtocol(bridge, attempts).read({0x21, 1}), ProtocolException);
        EXPECT_EQ(line.attempts, 1);
    }
}

} // namespace
