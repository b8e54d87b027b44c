#include <gtest/gtest.h>

#include "FormatterTestSupport.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/SecondsFormatter.h"
#include "catalogue/StringFormatter.h"

TEST(ValueFormatters, SecondsReadTheValueAsUnsigned) {
    const SecondsFormatter formatter("Measure Duration");

    EXPECT_EQ(textOf(formatter, 0), "00:00:00");
    EXPECT_EQ(textOf(formatter, 59), "00:00:59");
    EXPECT_EQ(textOf(formatter, 3599), "00:59:59");
    EXPECT_EQ(textOf(formatter, 3600), "01:00:00");
    EXPECT_EQ(textOf(formatter, 0x8000), "09:06:08");
    EXPECT_EQ(textOf(formatter, ParameterValue(std::string("\xFF\xFF"))), "18:12:15");
}

TEST(ValueFormatters, AnyNonZeroValueIsTrue) {
    const BoolFormatter formatter("Dialnorm Measure", "Run", "Pause");

    EXPECT_EQ(textOf(formatter, 0), "Run");
    EXPECT_EQ(textOf(formatter, 1), "Pause");
    EXPECT_EQ(textOf(formatter, 2), "Pause");
    EXPECT_EQ(textOf(formatter, -1), "Pause");
    EXPECT_EQ(textOf(formatter, 0x100), "Pause");
}

TEST(ValueFormatters, TextValuesShowTheirBytes) {
    const StringFormatter formatter("Program 1");

    EXPECT_EQ(textOf(formatter, ParameterValue::fromText("Program 1")), "Program 1");
    EXPECT_EQ(textOf(formatter, ParameterValue::fromText("")), "");
}
