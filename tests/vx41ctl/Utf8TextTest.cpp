#include <gtest/gtest.h>

#include "tools/vx41ctl/Utf8Text.h"

TEST(Utf8Text, KeepsValidTextAndTurnsEveryOtherByteIntoItsLatinCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"Program 1", "Program 1"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5"},
        {"\xff\xc3", "\xc3\xbf\xc3\x83"},                         // stray and cut-off bytes
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},             // a UTF-16 surrogate
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                         // an overlong slash
        {"\xe0\x80\xaf", "\xc3\xa0\xc2\x80\xc2\xaf"},             // another
        {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"}, // past U+10FFFF
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Utf8Text::fromBytes(bytes), text) << bytes;
}
