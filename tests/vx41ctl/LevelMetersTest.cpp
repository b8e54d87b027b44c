#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/catalogue/CatalogueFixture.h"
#include "tools/vx41ctl/LevelMeters.h"

namespace {

class LevelMetersTest : public CatalogueFixture, public ::testing::Test {
protected:
    std::ostringstream out;

    // As a poll brings the meter's reading.
    void read(std::uint8_t index, int raw) {
        params.find({204, index}).update({{ParameterId(204, index), ParameterValue(raw)}});
    }
};

TEST_F(LevelMetersTest, PipedEveryChangeIsALineInDecibelsWithABar) {
    LevelMeters meters(params, out, false);
    meters.show();
    EXPECT_EQ(out.str().substr(0, 70),
              "Input 1   -60.0 dB |                                        |\nInput 2 ");
    out.str("");

    read(0, 1023);
    read(17, 959);
    meters.show();
    EXPECT_EQ(out.str(), "Input 1     0.0 dB |########################################|\n"
                         "SW         -6.0 dB |####################################    |\n");
}

TEST_F(LevelMetersTest, OnATerminalTheBlockIsRedrawnInPlaceOnlyWhenALevelChanged) {
    LevelMeters meters(params, out, true);
    meters.show();
    // The first block is drawn where the cursor stands.
    EXPECT_EQ(out.str().rfind("\x1b[2KInput 1 ", 0), 0u) << out.str();
    out.str("");
    meters.show();
    EXPECT_EQ(out.str(), "");

    read(9, 959);
    meters.show();
    const std::string block = out.str();
    EXPECT_EQ(block.rfind("\x1b[17A", 0), 0u) << block;
    EXPECT_NE(block.find("\x1b[2KRt         -6.0 dB"), std::string::npos) << block;
    EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 17);
}

} // namespace
