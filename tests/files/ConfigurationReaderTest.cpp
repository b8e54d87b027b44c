#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "HexBytes.h"
#include "model/ConfigurationReader.h"
#include "tests/support/FailureMessage.h"

namespace {

struct ReadResult {
    ParameterValueMap values;
    bool checksumMatches = false;
};

ReadResult readHex(const std::string& hex) {
    std::istringstream stream(hexBytes(hex), std::ios::binary);
    ConfigurationReader reader(stream);
    ReadResult result;
    reader.read(result.values);
    result.checksumMatches = reader.checksumMatches();
    return result;
}

void expectFailure(const std::string& hex, const std::string& message) {
    EXPECT_EQ(messageOf([&] { readHex(hex); }), message) << hex;
}

TEST(ConfigurationReader, ReadsTheOneEntryExampleWithItsChecksum) {
    const auto result = readHex("01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00 00 00");
    EXPECT_EQ(result.values,
              (ParameterValueMap{{ParameterId(0x20, 1), ParameterValue(hexBytes("00 05"))}}));
    EXPECT_TRUE(result.checksumMatches);
}

TEST(ConfigurationReader, EmptyFileHoldsNoValues) {
    const auto result = readHex("00 00 00 00 | 00 00 00 00");
    EXPECT_TRUE(result.values.empty());
    EXPECT_TRUE(result.checksumMatches);
}

TEST(ConfigurationReader, ValueBytesCountSignedInTheChecksumButTheFileLoadsWhateverItsChecksum) {
    // 1 + (0x7F + 0x00) + 2 + (-1 + -128): ids shift back, FF and 80 take away.
    const std::string entry = "01 00 00 00 | FF 80 | 02 00 00 00 | FF 80 |";
    EXPECT_TRUE(readHex(entry + "01 00 00 00").checksumMatches);
    const auto damaged = readHex(entry + "02 00 00 00");
    EXPECT_FALSE(damaged.checksumMatches);
    EXPECT_EQ(damaged.values.at(ParameterId(0x7F, 0)), ParameterValue(hexBytes("FF 80")));
}

TEST(ConfigurationReader, CountsShorterOrLongerThanTheEntries) {
    const std::string two = "A0 81 | 01 00 00 00 | 05 | A1 81 | 01 00 00 00 | 06 |";
    // A short count: the entry after it is taken as the checksum.
    const auto shortCount = readHex("01 00 00 00 |" + two);
    EXPECT_EQ(shortCount.values.size(), 1u);
    EXPECT_FALSE(shortCount.checksumMatches);
    // A long count meets the end of the file where the checksum should be.
    expectFailure("03 00 00 00 |" + two, "Error reading the checksum.");
    // ... or takes the checksum for the start of one more entry.
    expectFailure("03 00 00 00 |" + two + "29 00 00 00", "Error restoring a parameter value.");
}

TEST(ConfigurationReader, ZeroLengthValueIsAnEmptyValue) {
    const auto result = readHex("01 00 00 00 | A0 81 | 00 00 00 00 | 22 00 00 00");
    EXPECT_EQ(result.values.at(ParameterId(0x20, 1)), ParameterValue());
    EXPECT_TRUE(result.checksumMatches);
}

TEST(ConfigurationReader, LaterEntryForTheSameIdWins) {
    const auto result = readHex("02 00 00 00 | A0 81 | 01 00 00 00 | 05 | A0 81 | 01 00 00 00 |"
                                " 06 | 00 00 00 00");
    EXPECT_EQ(result.values,
              (ParameterValueMap{{ParameterId(0x20, 1), ParameterValue(hexBytes("06"))}}));
}

TEST(ConfigurationReader, BrokenFilesFailWithTheirMessages) {
    expectFailure("", "Error reading the parameter count.");
    expectFailure("01 00 00", "Error reading the parameter count.");
    expectFailure("01 00 00 00 | A0", "Error restoring a parameter id");
    expectFailure("01 00 00 00 | A0 81 | 02 00", "Error restoring a parameter value.");
    expectFailure("01 00 00 00 | A0 81 | 05 00 00 00 | 00 05",
                  "Error restoring a parameter value.");
    expectFailure("01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00",
                  "Error reading the checksum.");
}

TEST(ConfigurationReader, HugeDeclaredLengthReadsOnlyWhatIsThere) {
    // Four gigabytes claimed, three bytes present: must fail without trying to hold the claim.
    expectFailure("01 00 00 00 | A0 81 | F0 FF FF FF | 01 02 03",
                  "Error restoring a parameter value.");
}

} // namespace
