#include <gtest/gtest.h>

#include "link/FaultTolerantProtocol.h"
#include "link/LineTraceDecoder.h"
#include "link/LineTraceSink.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"
#include "link/SerialProtocol.h"
#include "link/TappedSerialDevice.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedSerialDevice.h"

namespace {
using Bytes = ScriptedSerialDevice::Bytes;

class RecordingSink : public LineTraceSink {
public:
    void traced(const LineTraceEntry& entry) override {
        lines.push_back(LineTraceDecoder::line(entry));
    }
    std::vector<std::string> lines;
};

using unitBytes::concat, unitBytes::reply;

class LineTraceDecoderTest : public ::testing::Test {
protected:
    LineTraceDecoderTest() { tapped.setTap(&decoder); }

    FakeClock clock;
    ScriptedSerialDevice device;
    TappedSerialDevice tapped{device};
    SerialProtocol line{0x8280, &tapped, clock};
    Protocol bridge{line};
    FaultTolerantProtocol tolerant{bridge, 5};
    RecordingSink sink;
    LineTraceDecoder decoder{sink, clock, {0x20, 0x7D}};
};

TEST_F(LineTraceDecoderTest, DecodesAReadThatSucceedsOnItsSecondAttempt) {
    const Bytes answer{0x20, 0x01, 0x01, 0x2C};
    // The drain after the damaged reply meets silence and takes nothing of the next answer.
    device.answer(concat({{0x04, 0x08}, reply(answer, 1)}));
    device.answerAfterSilence(concat({{0x04, 0x08}, reply(answer)}));

    EXPECT_EQ(tolerant.read({0x20, 1}), ParameterValue(300));

    const std::vector<std::string> expected{
        "   0.000  PC   > select 82 80: read (20; 1), checksum DD",
        "   0.000  UNIT < ACK",
        "   0.000  PC   > poll 82 81",
        "   0.000  UNIT < DATA READY",
        "   0.000  PC   > select 82 80: TRANSMIT",
        "   0.000  UNIT < reply (20, 1) = 300 [01 2C], checksum AF, expected AE  [FAILED]",
        "   0.000  PC   > select 82 80: read (20; 1), checksum DD  [retry]",
        "   0.000  UNIT < ACK",
        "   0.000  PC   > poll 82 81",
        "   0.000  UNIT < DATA READY",
        "   0.000  PC   > select 82 80: TRANSMIT",
        "   0.000  UNIT < reply (20, 1) = 300 [01 2C], checksum AE",
        "   0.000  PC   > ACK",
    };
    EXPECT_EQ(sink.lines, expected);
}

TEST_F(LineTraceDecoderTest, DecodesAWriteAndSilence) {
    // The write is taken, then the unit stays quiet while it works; a later poll meets silence.
    device.answer({0x04});
    line.write({0x7C, 2}, ParameterValue(-2), 0);
    EXPECT_FALSE(line.status().isOk());

    const std::vector<std::string> expected{
        "   0.000  PC   > select 82 80: write (7c, 2) = -2 [FF FE], checksum 81",
        "   0.000  UNIT < ACK",
        "   0.000  PC   > poll 82 81",
        "   0.000  UNIT < no answer (quiet after a write)",
        "   0.000  PC   > poll 82 81",
        "   0.000  UNIT < no answer (quiet after a write)",
    };
    EXPECT_EQ(sink.lines, expected);

    // A unit that reports an error by its keyword has answered, but not as it should.
    sink.lines.clear();
    device.answer({0x05});
    EXPECT_FALSE(line.status().isOk());
    EXPECT_EQ(sink.lines.back(), "   0.000  UNIT < ERROR  [FAILED]");
    // So is a byte that is none of its keywords.
    device.answer({0x41});
    EXPECT_FALSE(line.status().isOk());
    EXPECT_EQ(sink.lines.back(), "   0.000  UNIT < byte 41  [FAILED]");
}

// A write whose bytes repeat is still a write, and the same write sent again with nothing failed
// in between is no retry.
TEST_F(LineTraceDecoderTest, TheSameWriteTwiceIsNoRetry) {
    device.answer(Bytes(8, 0x04));
    line.write({0x7C, 1}, ParameterValue(0x0101), 0);
    line.write({0x7C, 1}, ParameterValue(0x0101), 0);
    // Under a number the unit reads, three bytes that do not ascend are a write too.
    line.write({0x20, 1}, ParameterValue(0x0302), 0);
    line.write({0x20, 1}, ParameterValue(0x0202), 0);

    ASSERT_EQ(sink.lines.size(), 16u);
    EXPECT_EQ(sink.lines[0],
              "   0.000  PC   > select 82 80: write (7c, 1) = 257 [01 01], checksum 7D");
    EXPECT_EQ(sink.lines[4], sink.lines[0]);
    EXPECT_NE(sink.lines[8].find(": write (20, 1) = 770 [03 02]"), std::string::npos)
        << sink.lines[8];
    EXPECT_NE(sink.lines[12].find(": write (20, 1) = 514 [02 02]"), std::string::npos)
        << sink.lines[12];
    // Three indexes that ascend under that number are a read.
    sink.lines.clear();
    ParameterValueMap values;
    EXPECT_THROW(line.readMany({{0x20, 1}, {0x20, 2}, {0x20, 3}}, values), ProtocolException);
    EXPECT_NE(sink.lines.at(0).find(": read (20; 1 2 3)"), std::string::npos) << sink.lines.at(0);
}

} // namespace
