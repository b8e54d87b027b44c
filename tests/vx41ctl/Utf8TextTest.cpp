#include <gtest/gtest.h>

#include "tools/vx41ctl/Utf8Text.h"

namespace {

// The edges of every sequence length stay as they are; one step past an edge, and a sequence
// broken off or cut short, turn each of their bytes into U+00XX (the byte E2 into C3 A2).
TEST(Utf8Text, ValidSequencesStayAndEveryOtherByteBecomesItsOwnCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xC2\x80", "\xC2\x80"},
        {"\xDF\xBF", "\xDF\xBF"},
        {"\xC1\xBF", "\xC3\x81\xC2\xBF"},
        {"\xE0\xA0\x80", "\xE0\xA0\x80"},
        {"\xE0\x9F\xBF", "\xC3\xA0\xC2\x9F\xC2\xBF"},
        {"\xED\x9F\xBF", "\xED\x9F\xBF"},
        {"\xEF\xBF\xBF", "\xEF\xBF\xBF"},
        {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"},
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"\xF5\x80\x80\x80", "\xC3\xB5\xC2\x80\xC2\x80\xC2\x80"},
        {std::string("\xE2\x82") + 'A', std::string("\xC3\xA2\xC2\x82") + 'A'},
        {std::string("\xF0\x90\x80") + 'A', std::string("\xC3\xB0\xC2\x90\xC2\x80") + 'A'},
        {"\xE2\x82", "\xC3\xA2\xC2\x82"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Utf8Text::fromBytes(bytes), text) << ::testing::PrintToString(bytes);
}

} // namespace
