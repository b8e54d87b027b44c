#include <sstream>

#include <gtest/gtest.h>

#include "model/ConfigurationDiff.h"
#include "model/ConfigurationSnapshot.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/FailureMessage.h"

namespace {

class ConfigurationDiffTest : public CatalogueFixture, public ::testing::Test {
protected:
    // The off-line unit's configuration as a saved file would hold it.
    ConfigurationSnapshot saved() {
        std::stringstream file;
        params.save(file);
        return read(file, "unit.vxs");
    }
    ConfigurationSnapshot read(std::istream& file, const std::string& name) const {
        return ConfigurationSnapshot::read(file, name,
                                           ConfigurationSnapshot::largestFile(params.parameters()));
    }
};

TEST_F(ConfigurationDiffTest, ListsExactlyTheDifferingValuesWithTheReportsTexts) {
    const ConfigurationSnapshot first = saved();
    ParameterValueMap second = first.values();
    // The programme configuration (a compound, saved through its control) and a text; a plain
    // choice is checked as vx41ctl diff shows it.
    second[{0x8D, 0}] = ParameterValue(2);
    second[{0x8D, 8}] = ParameterValue::fromText("Film");

    const auto differences = ConfigurationDiff(params.parameters()).compare(first.values(), second);

    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].id, ParameterId(0x8D, 0));
    EXPECT_EQ(differences[0].name, "Program Configuration");
    EXPECT_EQ(differences[0].firstText, "5.1+2");
    EXPECT_EQ(differences[0].secondText, "4+4");
    EXPECT_EQ(differences[1].id, ParameterId(0x8D, 8));
    EXPECT_EQ(differences[1].secondText, "Film");
    EXPECT_TRUE(ConfigurationDiff(params.parameters()).compare(second, second).empty());
}

TEST_F(ConfigurationDiffTest, NamesUnknownAndMissingEntries) {
    const ParameterValueMap held = ConfigurationSnapshot::of(params.parameters(), "unit").values();
    ParameterValueMap file = held;
    file.erase(file.begin());
    file[{0xF0, 3}] = ParameterValue(7);

    const auto differences = ConfigurationDiff(params.parameters()).compare(file, held);

    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].id, held.begin()->first);
    EXPECT_EQ(differences[0].firstText, ConfigurationDiff::absentText);
    EXPECT_EQ(differences[1].name, "(f0, 3)");
    EXPECT_EQ(differences[1].firstText, "7");
    EXPECT_EQ(differences[1].secondText, ConfigurationDiff::absentText);
}

TEST_F(ConfigurationDiffTest, ADamagedFileIsNamedAsDamaged) {
    std::stringstream file;
    params.save(file);
    std::string bytes = file.str();

    std::istringstream truncated(bytes.substr(0, bytes.size() / 2));
    const std::string message = messageOf([&] { read(truncated, "half.vxs"); });
    EXPECT_EQ(message.rfind("half.vxs: damaged configuration file", 0), 0u) << message;

    // A file of zeros holds no entries and a checksum that matches.
    std::istringstream zeros(
        std::string(ConfigurationSnapshot::largestFile(params.parameters()) + 8, 0));
    EXPECT_EQ(read(zeros, "zeros.vxs").damage().rfind("it is larger than a configuration", 0), 0u);

    bytes[10] = static_cast<char>(bytes[10] ^ 0x01);
    std::istringstream flipped(bytes);
    EXPECT_TRUE(read(flipped, "flipped.vxs").checksumDamaged());
    EXPECT_EQ(saved().damage(), "");
}

} // namespace
