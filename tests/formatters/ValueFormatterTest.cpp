#include <gtest/gtest.h>

#include <sstream>

#include "FormatterTestSupport.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/SecondsFormatter.h"

TEST(ValueFormatters, SecondsAreUnsignedAndAnyNonZeroValueIsTrue) {
    expectTexts(SecondsFormatter("Measure Duration"), {{0, "00:00:00"},
                                                       {3599, "00:59:59"},
                                                       {3600, "01:00:00"},
                                                       {0x8000, "09:06:08"},
                                                       {-1, "18:12:15"}});
    expectTexts(BoolFormatter("Dialnorm Measure", "Run", "Pause"),
                {{0, "Run"}, {1, "Pause"}, {-1, "Pause"}, {0x100, "Pause"}});
}

TEST(ValueFormatters, WriteNameAndValueToAStreamAndReportWhetherItTookThem) {
    const BoolFormatter formatter("LFE Channel", "Disabled", "Enabled");
    std::ostringstream stream;
    EXPECT_TRUE(formatter.writeName(stream));
    stream << ": ";
    EXPECT_TRUE(formatter.writeValue(stream, ParameterValue(1)));
    EXPECT_EQ(stream.str(), "LFE Channel: Enabled");

    stream.setstate(std::ios::badbit);
    EXPECT_FALSE(formatter.writeName(stream));
    EXPECT_FALSE(formatter.writeValue(stream, ParameterValue(0)));
}
