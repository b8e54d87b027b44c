#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"

namespace {

class OfflineUnit : public ::testing::Test {
protected:
    DummyVx41Protocol unit;
    Protocol protocol{unit};

    ParameterValue at(std::uint8_t number, std::uint8_t index) {
        return protocol.read({number, index});
    }
    // As a parameter writes: under the number one below, read back under its own.
    void set(std::uint8_t number, std::uint8_t index, const ParameterValue& value) {
        protocol.writeAndRead({number, index}, value, 0);
    }
};

// Every number a reset unit holds, as (number, first index, last index, value); a range holds
// one value throughout.
TEST_F(OfflineUnit, StartsAsAFreshlyResetUnit) {
    const struct {
        int number, first, last, value;
    } reset[] = {
        {113, 0, 3, 0},   {113, 4, 4, 800}, {117, 11, 18, 0},  {117, 26, 26, 3}, {117, 28, 28, 5},
        {117, 32, 32, 1}, {117, 35, 35, 1}, {117, 38, 38, 1},  {117, 58, 58, 1}, {117, 65, 65, 1},
        {117, 50, 50, 7}, {117, 57, 57, 3}, {117, 61, 62, 3},  {117, 0, 0, 0},   {117, 21, 22, 0},
        {117, 24, 24, 0}, {117, 27, 27, 0}, {117, 29, 31, 0},  {117, 33, 33, 0}, {117, 36, 37, 0},
        {117, 39, 49, 0}, {117, 53, 56, 0}, {117, 59, 60, 0},  {117, 63, 63, 0}, {141, 0, 0, 0},
        {179, 0, 0, 0},   {121, 0, 0, 0},   {159, 0, 0, 2},    {169, 0, 0, 17},  {195, 11, 11, 0},
        {197, 0, 0, 60},  {197, 3, 3, 11},  {197, 4, 14, 160}, {197, 15, 16, 0}, {197, 17, 17, 192},
        {199, 0, 1, 0},   {199, 16, 16, 8}, {201, 29, 29, 1},  {204, 0, 17, 0},  {204, 18, 18, 15},
        {204, 19, 22, 0}, {207, 0, 0, 0},   {207, 6, 6, 0},    {207, 9, 9, 1},   {210, 64, 64, 32},
        {216, 0, 2, 0},   {216, 3, 3, 1},   {216, 4, 4, 0},    {216, 5, 5, 192}, {216, 6, 6, 0},
        {248, 1, 1, 100}, {251, 0, 0, 0}};
    for (const auto& range : reset)
        for (int index = range.first; index <= range.last; ++index)
            EXPECT_EQ(at(range.number, index), ParameterValue(range.value))
                << range.number << "," << index;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(at(117, 3 + i), ParameterValue(i));
        EXPECT_EQ(at(195, 2 + i), ParameterValue(i));
        EXPECT_EQ(at(208, 7 * (i % 5)), ParameterValue(0));
        EXPECT_EQ(at(23, 13 + i), ParameterValue(13 + i));
        EXPECT_EQ(at(121, 8 + 2 * i), ParameterValue(0));
        for (int number : {141, 179, 159, 169})
            EXPECT_EQ(at(number, 8 + 2 * i),
                      ParameterValue::fromText("Program " + std::to_string(i + 1)));
        for (int k : {2, 3, 4, 5, 8}) {
            EXPECT_EQ(at(123 + 2 * i, k), ParameterValue(0));
            for (int number : {143 + 2 * i, 160 + i, 170 + i, 180 + i})
                EXPECT_EQ(at(number, k), ParameterValue(k == 3 ? 7 : k == 8 ? 27 : 0));
        }
    }
    for (int s = 0; s < 32; ++s)
        EXPECT_EQ(at(210, s), ParameterValue::fromText("PRESET " + std::to_string(s + 1)));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(at(212, r), ParameterValue::fromText("RPRESET " + std::to_string(r + 1)));
    EXPECT_EQ(at(143, 6), ParameterValue()); // item 6 is not in the reset table
    EXPECT_TRUE(protocol.status().isOk());
    set(197, 0, 72);
    EXPECT_EQ(unit.values().count(ParameterId(196, 0)), 0u); // the write went to (197, 0)
    EXPECT_EQ(unit.values().at(ParameterId(197, 0)), ParameterValue(72));
}

TEST_F(OfflineUnit, SourceSettingsDecideWhatIsInUseAndInternalWritesAreCopiedIntoUse) {
    set(121, 0, 1);
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(at(123 + 2 * p, 52), ParameterValue(1));
        EXPECT_EQ(at(121, 8 + 2 * p), ParameterValue(1));
        EXPECT_EQ(at(180 + p, 8), ParameterValue(27));
        EXPECT_EQ(at(179, 8 + 2 * p), ParameterValue::fromText("Program " + std::to_string(p + 1)));
    }
    EXPECT_EQ(at(179, 0), ParameterValue(2)); // the External 1 configuration
    EXPECT_EQ(at(180, 6), ParameterValue());  // an item the external input does not carry
    set(121, 0, 3);
    EXPECT_EQ(at(181, 8), ParameterValue(0)); // no such source: zero

    // Internal values are copied into use whatever the source.
    set(123, 4, 1);
    set(143, 4, 9);
    EXPECT_EQ(at(180, 4), ParameterValue(9));
    set(123, 4, 0);
    EXPECT_EQ(at(180, 4), ParameterValue(9));
    set(141, 8, ParameterValue::fromText("Drama"));
    EXPECT_EQ(at(179, 8), ParameterValue::fromText("Drama"));
    set(121, 8, 2);
    EXPECT_EQ(at(179, 8), ParameterValue::fromText("Program 1"));
}

TEST_F(OfflineUnit, ProgrammeSelectionLeavesExactlyOneLineLowAndGpiOneResetsItsTrigger) {
    set(117, 50, 2);
    for (int i = 40; i <= 46; ++i)
        EXPECT_EQ(at(117, i), ParameterValue(i == 42 ? 0 : 1)) << i;
    set(117, 50, 7);
    for (int i = 40; i <= 46; ++i)
        EXPECT_EQ(at(117, i), ParameterValue(0)) << i;

    set(201, 15, 1);
    set(201, 0, 1);
    set(201, 30, 5);
    EXPECT_EQ(at(201, 15), ParameterValue(0));
    EXPECT_EQ(at(201, 0), ParameterValue(0));
    EXPECT_EQ(at(201, 30), ParameterValue(5));
}

} // namespace
