#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/ConfigurationDiff.h"
#include "model/ConfigurationSnapshot.h"
#include "model/QuenlarException.h"
#include "tests/catalogue/CatalogueFixture.h"

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
    // The programme configuration (a compound, saved through its control), a choice and a text.
    second[{0x8D, 0}] = ParameterValue(2);
    second[{0x75, 29}] = ParameterValue(1);
    second[{0x8D, 8}] = ParameterValue::fromText("Film");

    const auto differences = ConfigurationDiff(params.parameters()).compare(first.values(), second);

    ASSERT_EQ(differences.size(), 3u);
    // A plain choice is worded as vx41ctl diff shows it.
    EXPECT_EQ(differences[0].id, ParameterId(0x75, 29));
    EXPECT_EQ(differences[1].id, ParameterId(0x8D, 0));
    EXPECT_EQ(differences[1].name, "Program Configuration");
    EXPECT_EQ(differences[1].firstText, "5.1+2");
    EXPECT_EQ(differences[1].secondText, "4+4");
    EXPECT_EQ(differences[2].id, ParameterId(0x8D, 8));
    EXPECT_EQ(differences[2].secondText, "Film");
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
    try {
        read(truncated, "half.vxs");
        FAIL() << "a file cut in half was read";
    } catch (const QuenlarException& failure) {
        EXPECT_EQ(std::string(failure.what()).rfind("half.vxs: damaged configuration file", 0), 0u)
            << failure.what();
    }

    // A file of zeros holds no entries and a checksum that matches.
    std::istringstream zeros(
        std::string(ConfigurationSnapshot::largestFile(params.parameters()) + 8, 0));
    EXPECT_EQ(read(zeros, "zeros.vxs").damage().rfind("it is larger than a configuration", 0), 0u);

    bytes[10] = static_cast<char>(bytes[10] ^ 0x01);
    std::istringstream flipped(bytes);
    EXPECT_TRUE(read(flipped, "flipped.vxs").checksumDamaged());
    EXPECT_EQ(saved().damage(), "");
}

// A pipe would block the reader until a writer came, and then feed it without end.
TEST_F(ConfigurationDiffTest, OnlyARegularFileIsOpened) {
    const auto fifo =
        std::filesystem::temp_directory_path() / ("vx41-fifo-" + std::to_string(::getpid()));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(ConfigurationSnapshot::readFile(fifo, 1000), QuenlarException);
    std::filesystem::remove(fifo);
}

} // namespace
