#include <gtest/gtest.h>

#include "support/Printers.h"

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

namespace {
ParameterValue bytes(std::initializer_list<int> list) {
    std::string text;
    for (int b : list)
        text.push_back(static_cast<char>(b));
    return ParameterValue(text);
}
} // namespace

TEST(ParameterValue, NumbersAreSignedBigEndianInTheLastTwoBytes) {
    EXPECT_EQ(bytes({0x80}).toInt16(), 128);
    EXPECT_EQ(bytes({0x01, 0x02, 0x03}).toInt16(), 0x0203);
    EXPECT_EQ(bytes({0xFF, 0xFE}).toInt16(), -2);
    EXPECT_EQ(ParameterValue().toInt16(), 0);
    EXPECT_EQ(bytes({0x01, 0x02, 0x03, 0x04, 0x05}).toUInt32(), 0x02030405u);
    EXPECT_EQ(ParameterValue(-300), bytes({0xFE, 0xD4}));
}

// Order and text form show in the catalogue listing.
TEST(ParameterId, NeighboursWrapAroundTheNumbers) {
    EXPECT_EQ(ParameterId(0, 4).previous(), ParameterId(0xFF, 4));
    EXPECT_EQ(ParameterId(0xFF, 4).next(), ParameterId(0, 4));
}
