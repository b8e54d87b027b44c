#include <sstream>

#include <gtest/gtest.h>

#include "HexBytes.h"
#include "model/ConfigurationReader.h"
#include "tests/support/FailureMessage.h"

namespace {

struct ReadCase {
    std::string hex;
    ParameterValueMap values;
    bool checksumMatches;
};

TEST(ConfigurationReader, ReadsEntriesAndChecksTheChecksum) {
    const ParameterId id(0x20, 1);
    const std::string two = "A0 81 | 01 00 00 00 | 05 | A1 81 | 01 00 00 00 | 06 |";
    for (const ReadCase& read : std::vector<ReadCase>{
             {"01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00 00 00",
              {{id, ParameterValue(hexBytes("00 05"))}},
              true},
             {"00 00 00 00 | 00 00 00 00", {}, true},
             {"01 00 00 00 | A0 81 | 00 00 00 00 | 22 00 00 00", {{id, ParameterValue()}}, true},
             // The later entry for an id wins.
             {"02 00 00 00 | A0 81 | 01 00 00 00 | 05 | A0 81 | 01 00 00 00 | 06 | 00 00 00 00",
              {{id, ParameterValue(hexBytes("06"))}},
              false},
             // Bytes count signed: 1 + (0x7F + 0x00) + 2 + (-1 + -128).
             {"01 00 00 00 | FF 80 | 02 00 00 00 | FF 80 | 01 00 00 00",
              {{ParameterId(0x7F, 0), ParameterValue(hexBytes("FF 80"))}},
              true},
             // A damaged checksum does not stop the load.
             {"01 00 00 00 | FF 80 | 02 00 00 00 | FF 80 | 02 00 00 00",
              {{ParameterId(0x7F, 0), ParameterValue(hexBytes("FF 80"))}},
              false},
             // A short count: the entry after it is taken as the checksum.
             {"01 00 00 00 |" + two, {{id, ParameterValue(hexBytes("05"))}}, false},
         }) {
        std::istringstream stream(hexBytes(read.hex), std::ios::binary);
        ConfigurationReader reader(stream);
        ParameterValueMap values;
        reader.read(values);
        EXPECT_EQ(values, read.values) << read.hex;
        EXPECT_EQ(reader.checksumMatches(), read.checksumMatches) << read.hex;
    }
}

TEST(ConfigurationReader, BrokenFilesFailWithTheirMessages) {
    const std::string two = "A0 81 | 01 00 00 00 | 05 | A1 81 | 01 00 00 00 | 06 |";
    for (const auto& [hex, message] : std::vector<std::pair<std::string, std::string>>{
             {"", "Error reading the parameter count."},
             {"01 00 00", "Error reading the parameter count."},
             {"01 00 00 00 | A0", "Error restoring a parameter id"},
             {"01 00 00 00 | A0 81 | 02 00", "Error restoring a parameter value."},
             {"01 00 00 00 | A0 81 | 05 00 00 00 | 00 05", "Error restoring a parameter value."},
             {"01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00", "Error reading the checksum."},
             // Four gigabytes claimed, three bytes present: fails without trying to hold them.
             {"01 00 00 00 | A0 81 | F0 FF FF FF | 01 02 03", "Error restoring a parameter value."},
             // A long count meets the end where the checksum should be, or takes it for an entry.
             {"03 00 00 00 |" + two, "Error reading the checksum."},
             {"03 00 00 00 |" + two + "29 00 00 00", "Error restoring a parameter value."},
         }) {
        std::istringstream stream(hexBytes(hex), std::ios::binary);
        ParameterValueMap values;
        EXPECT_EQ(messageOf([&] { ConfigurationReader(stream).read(values); }), message) << hex;
    }
}

} // namespace
