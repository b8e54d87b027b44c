#include <gtest/gtest.h>

#include "link/SerialFrame.h"
#include "model/QuenlarException.h"
#include "support/Printers.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

ParameterValue bytesValue(const Bytes& bytes) {
    return ParameterValue(std::string(bytes.begin(), bytes.end()));
}

TEST(SerialFrameTest, RefusesPayloadsTheLengthByteCannotCarry) {
    EXPECT_EQ(SerialFrame::writeRequest({0x20, 1}, bytesValue(Bytes(251, 0x41))).encode().size(),
              258u);
    EXPECT_THROW(SerialFrame::writeRequest({0x20, 1}, bytesValue(Bytes(252, 0x41))),
                 QuenlarException);
    EXPECT_EQ(SerialFrame::readRequest(0x30, Bytes(254, 0x01)).payload().size(), 255u);
    EXPECT_THROW(SerialFrame::readRequest(0x30, Bytes(255, 0x01)), QuenlarException);
    EXPECT_THROW(SerialFrame(Bytes(256, 0x01)), QuenlarException);
}

TEST(SerialFrameTest, ReadsWhatThereIsOfShortExtendedRepeatedAndTruncatedItems) {
    const std::pair<Bytes, ParameterValueMap> cases[] = {
        {{0x21, 0x05, 0x00, 0x01, 0xFF, 0x07, 0x00, 0x08, 0x00, 0x02},
         {{{0x21, 5}, 1}, {{0x21, 7}, ParameterValue()}, {{0x21, 8}, 2}}},
        // A later item of the same index wins.
        {{0x21, 0x05, 0x00, 0x01, 0x05, 0x00, 0x02}, {{{0x21, 5}, 2}}},
        // An extended item cut short keeps the bytes that came.
        {{0x21, 0xFF, 0x07, 0x05, 'A', 'B'}, {{{0x21, 7}, ParameterValue::fromText("AB")}}},
        // Fewer than three bytes left end the parse.
        {{0x21, 0x05, 0x00, 0x01, 0x06, 0x00}, {{{0x21, 5}, 1}}},
        {{0x21, 0xFF, 0x06}, {}},
        {{0x21}, {}},
        {{}, {}},
    };
    for (const auto& [payload, expected] : cases) {
        ParameterValueMap values;
        SerialFrame(payload).readItems(values);
        EXPECT_EQ(values, expected) << testing::PrintToString(payload);
    }
}
} // namespace
