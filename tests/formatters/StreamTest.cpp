#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/BoolFormatter.h"
#include "catalogue/SourceFormatter.h"

TEST(FormatterStream, WritesNameAndValueAndReportsAGoodStream) {
    const BoolFormatter formatter("LFE Channel", "Disabled", "Enabled");
    std::ostringstream stream;

    EXPECT_TRUE(formatter.writeName(stream));
    stream << ": ";
    EXPECT_TRUE(formatter.writeValue(stream, ParameterValue(1)));

    EXPECT_EQ(stream.str(), "LFE Channel: Enabled");
}

TEST(FormatterStream, ReportsAFailedStream) {
    const BoolFormatter formatter("LFE Channel", "Disabled", "Enabled");
    std::ostringstream stream;
    stream.setstate(std::ios::badbit);

    EXPECT_FALSE(formatter.writeName(stream));
    EXPECT_FALSE(formatter.writeValue(stream, ParameterValue(0)));
}

TEST(FormatterStream, SourceSelectorsAreAllNamedSource) {
    const SourceFormatter formatter;
    std::ostringstream stream;

    formatter.writeName(stream);

    EXPECT_EQ(stream.str(), "Source");
}
