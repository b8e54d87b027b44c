#include <gtest/gtest.h>

#include "tools/vx41ctl/JsonText.h"

TEST(JsonText, AnyByteStringBecomesAValidLiteral) {
    EXPECT_EQ(JsonText::quoted("Program 1"), "\"Program 1\"");
    EXPECT_EQ(JsonText::quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonText::quoted(std::string("\x00\n\x7f", 3)), "\"\\u0000\\u000a\\u007f\"");
    EXPECT_EQ(JsonText::quoted("caf\xc3\xa9"), "\"caf\xc3\xa9\""); // valid UTF-8 stays
    EXPECT_EQ(JsonText::quoted("\xff\xc3"), "\"\\u00ff\\u00c3\""); // stray bytes are escaped
    EXPECT_EQ(JsonText::hex(std::string("\x00\x7f\xff", 3)), "007fff");
}
