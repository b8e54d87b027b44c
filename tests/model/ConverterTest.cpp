#include <gtest/gtest.h>

#include "support/Printers.h"

#include "model/BCDParameterConverter.h"
#include "model/FloatParameterConverter.h"
#include "model/HexParameterConverter.h"
#include "model/IntUnitParameterConverter.h"
#include "model/ParameterId.h"
#include "model/ParameterValue.h"
#include "model/StringParameterConverter.h"

namespace {

TEST(ParameterValue, NumbersAreSignedBigEndianInTheLastTwoBytes) {
    EXPECT_EQ(ParameterValue(std::string("\x80")).toInt16(), 128);
    EXPECT_EQ(ParameterValue(std::string("\x01\x02\x03")).toInt16(), 0x0203);
    EXPECT_EQ(ParameterValue(std::string("\xFF\xFE")).toInt16(), -2);
    EXPECT_EQ(ParameterValue().toInt16(), 0);
    EXPECT_EQ(ParameterValue(std::string("\x01\x02\x03\x04\x05")).toUInt32(), 0x02030405u);
    EXPECT_EQ(ParameterValue(-300), ParameterValue(std::string("\xFE\xD4")));
}

// Order and text form show in the catalogue listing.
TEST(ParameterId, NeighboursWrapAroundTheNumbers) {
    EXPECT_EQ(ParameterId(0, 4).previous(), ParameterId(0xFF, 4));
    EXPECT_EQ(ParameterId(0xFF, 4).next(), ParameterId(0, 4));
}

ParameterValue parsed(const ParameterConverter& converter, const std::string& text) {
    ParameterValue value = ParameterValue::fromText("untouched");
    EXPECT_TRUE(converter.parse(value, text)) << text;
    return value;
}

std::string formatted(const ParameterConverter& converter, const ParameterValue& value) {
    std::string text = "old";
    converter.format(text, value);
    return text;
}

TEST(IntConverters, ShiftByTheOffsetPadInFrontOfTheSignAndRefuseNonsense) {
    const IntParameterConverter oneBased(1, 1);
    EXPECT_EQ(parsed(oneBased, "3"), ParameterValue(2));
    EXPECT_EQ(formatted(oneBased, 0), "1");
    EXPECT_EQ(parsed(oneBased, "  42 dB"), ParameterValue(41));
    EXPECT_EQ(formatted(IntParameterConverter(3, 0), -5), "0-5");
    EXPECT_EQ(
        formatted(IntParameterConverter(1, 0), ParameterValue(std::string("\x07\x00\x09", 3))),
        "9");
    EXPECT_EQ(formatted(IntUnitParameterConverter(1, " ms", -3), 5), "2 ms");

    ParameterValue value(7); // unreadable text leaves the value untouched
    EXPECT_FALSE(oneBased.parse(value, "dB"));
    EXPECT_FALSE(oneBased.parse(value, ""));
    EXPECT_FALSE(oneBased.parse(value, "99999")); // beyond 16 bits
    EXPECT_EQ(value, ParameterValue(7));
}

TEST(FloatConverter, ScalesTruncatesTowardZeroAndShowsThreeDecimals) {
    const FloatParameterConverter trim(8, 160, " dB");
    EXPECT_EQ(parsed(trim, "-10.5"), ParameterValue(76));
    EXPECT_EQ(formatted(trim, 76), "-10.500 dB");
    const FloatParameterConverter plain(8, 0, "");
    EXPECT_EQ(parsed(plain, "0.06"), ParameterValue(0));
    EXPECT_EQ(parsed(plain, "-0.1"), ParameterValue(0));
    EXPECT_EQ(parsed(plain, "-0.2"), ParameterValue(-1)); // trunc(-1.6)
    EXPECT_EQ(parsed(plain, "1e30"), ParameterValue(0));  // nonsense input must not overflow
    ParameterValue value(1);
    EXPECT_FALSE(plain.parse(value, "x1"));
}

TEST(OtherConverters, HexReadsEitherCaseBcdPacksDigitsAndStringsAreCut) {
    EXPECT_EQ(parsed(HexParameterConverter(4), "1aF"), ParameterValue(0x01AF));
    EXPECT_EQ(formatted(HexParameterConverter(4), 0x01AF), "01af");
    EXPECT_EQ(formatted(HexParameterConverter(2), 0x01AF), "1af");
    EXPECT_EQ(formatted(HexParameterConverter(4), -1), "ffff");

    const BCDParameterConverter bcd(2);
    EXPECT_EQ(parsed(bcd, "64"), ParameterValue(0x64));
    EXPECT_EQ(parsed(bcd, "7"), ParameterValue(0x07));
    EXPECT_EQ(formatted(bcd, 0x09), "09");
    EXPECT_EQ(formatted(bcd, 0x1A), "20"); // nibbles above 9 are taken as they are

    const StringParameterConverter name(12);
    EXPECT_EQ(parsed(name, "ABCDEFGHIJKLMNOPQRST"), ParameterValue::fromText("ABCDEFGHIJKL"));
    EXPECT_EQ(parsed(name, ""), ParameterValue::fromText(""));
}

} // namespace
