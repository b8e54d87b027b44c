#include <gtest/gtest.h>

#include "link/SerialFrame.h"
#include "model/QuenlarException.h"
#include "support/Printers.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

ParameterValue bytesValue(const Bytes& bytes) {
    return ParameterValue(std::string(bytes.begin(), bytes.end()));
}

ParameterValueMap itemsOf(const Bytes& payload) {
    ParameterValueMap values;
    SerialFrame(payload).readItems(values);
    return values;
}
} // namespace

TEST(SerialFrameTest, EncodesWithLengthAndChecksum) {
    EXPECT_EQ(SerialFrame::readRequest(0x21, {0x05}).encode(),
              (Bytes{0x02, 0x02, 0x21, 0x05, 0xD8}));
    EXPECT_EQ(SerialFrame::writeRequest({0x20, 0x05}, 1).encode(),
              (Bytes{0x02, 0x04, 0x20, 0x05, 0x00, 0x01, 0xD6}));
    EXPECT_EQ(SerialFrame().encode(), (Bytes{0x02, 0x00, 0x00}));
}

TEST(SerialFrameTest, RefusesPayloadsTheLengthByteCannotCarry) {
    EXPECT_EQ(SerialFrame::writeRequest({0x20, 1}, bytesValue(Bytes(251, 0x41))).encode().size(),
              258u);
    EXPECT_THROW(SerialFrame::writeRequest({0x20, 1}, bytesValue(Bytes(252, 0x41))),
                 QuenlarException);
    EXPECT_THROW(SerialFrame::writeRequest({0x20, 1}, bytesValue(Bytes(300, 0x41))),
                 QuenlarException);

    EXPECT_EQ(SerialFrame::readRequest(0x30, Bytes(254, 0x01)).payload().size(), 255u);
    EXPECT_THROW(SerialFrame::readRequest(0x30, Bytes(255, 0x01)), QuenlarException);
    EXPECT_THROW(SerialFrame(Bytes(256, 0x01)), QuenlarException);
}

TEST(SerialFrameTest, ReadsShortAndExtendedItemsOfTheCommand) {
    const auto values = itemsOf({0x21, 0x05, 0x00, 0x01, 0xFF, 0x06, 0x03, 'A', 'B', 'C', 0xFF,
                                 0x07, 0x00, 0x08, 0xFF, 0xFE});
    EXPECT_EQ(values, (ParameterValueMap{{{0x21, 5}, 1},
                                         {{0x21, 6}, ParameterValue::fromText("ABC")},
                                         {{0x21, 7}, ParameterValue()},
                                         {{0x21, 8}, bytesValue({0xFF, 0xFE})}}));
}

TEST(SerialFrameTest, ReadsWhatThereIsOfTruncatedReplies) {
    // A later item of the same index wins.
    EXPECT_EQ(itemsOf({0x21, 0x05, 0x00, 0x01, 0x05, 0x00, 0x02}),
              (ParameterValueMap{{{0x21, 5}, 2}}));
    // An extended item cut short keeps the bytes that came.
    EXPECT_EQ(itemsOf({0x21, 0xFF, 0x07, 0x05, 'A', 'B'}),
              (ParameterValueMap{{{0x21, 7}, ParameterValue::fromText("AB")}}));
    // Fewer than three bytes left end the parse.
    EXPECT_EQ(itemsOf({0x21, 0x05, 0x00, 0x01, 0x06, 0x00}), (ParameterValueMap{{{0x21, 5}, 1}}));
    EXPECT_EQ(itemsOf({0x21, 0xFF, 0x06}), ParameterValueMap{});
    EXPECT_EQ(itemsOf({0x21}), ParameterValueMap{});
    EXPECT_EQ(itemsOf({}), ParameterValueMap{});
}
