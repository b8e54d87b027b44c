#include <gtest/gtest.h>

#include "support/Listing.h"
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

// Every value a reset unit holds, as listed when it was checked against the unit's reset table.
TEST_F(OfflineUnit, StartsAsAFreshlyResetUnit) {
    std::string listing;
    for (const auto& [id, value] : unit.values())
        listing +=
            id.toString() + " = " +
            (value.size() == 2 ? std::to_string(value.toInt16()) : '"' + value.bytes() + '"') +
            '\n';
    expectListing(listing, listingBeside(__FILE__, "reset-unit.txt"));
    EXPECT_EQ(at(143, 6), ParameterValue()); // item 6 is not in the reset table
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
    set(123, 8, 1); // one programme's item back on External 1, and only that one
    EXPECT_EQ(at(180, 8), ParameterValue(27));
    EXPECT_EQ(at(181, 8), ParameterValue(0));

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
