#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CatalogueFixture.h"
#include "model/QuenlarException.h"

namespace {

ParameterId pid(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}

class Restore : public CatalogueFixture, public testing::Test {
protected:
    Restore() {
        // With the analogue I/O on the monitor settings can be restored; what the rules write
        // while the set is built is no part of a restore.
        unit.write(pid(215, 21), 1, 0);
        device.clear();
        file = {
            {pid(201, 0), 0},  {pid(201, 15), 1}, {pid(201, 30), 5}, {pid(203, 1), 1},
            {pid(203, 17), 0}, {pid(203, 32), 7}, {pid(141, 0), 2},  {pid(123, 3), 2},
            {pid(143, 3), 5},  {pid(125, 2), 0},  {pid(145, 2), 3},  {pid(147, 2), 6},
            {pid(197, 15), 1}, {pid(117, 26), 4}, {pid(117, 11), 1},
        };
    }

    std::vector<std::string> writes() const {
        std::vector<std::string> lines;
        for (const auto& line : device.log)
            if (line[0] == 'w')
                lines.push_back(line);
        return lines;
    }

    ParameterValueMap file;
};

TEST_F(Restore, WritesInTheUnitsOrderBetweenTheRestoreFlags) {
    unit.write(pid(206, 9), 0, 0);
    params.restoreConfiguration(file, true);

    EXPECT_EQ(writes(), (std::vector<std::string>{
                            "w (cf, 9) 1",
                            "w (8d, 0) 2",  // programme configuration first
                            "w (7b, 3) 2",  // an external source, so its value is not written
                            "w (da, 3) 0",  // the source state the rules keep for it
                            "w (91, 2) 3",  // an internal one: the value follows its source
                            "w (c9, 30) 5", // GPI function, polarity, trigger
                            "w (c9, 15) 1",
                            "w (c9, 0) 0",
                            "w (cb, 32) 7", // GPO function, polarity, trigger
                            "w (cb, 17) 0",
                            "w (cb, 1) 1",
                            "w (75, 26) 4", // then the rest in id order
                            "w (93, 2) 6",  // a value whose source the file lacks
                            "w (c5, 15) 1",
                            "w (cf, 9) 0",
                        }));
    for (int request = 0; request < 5; ++request)
        EXPECT_EQ(device.log.at(request)[0], 'm') << "the flag is set after reading the unit";
}

TEST_F(Restore, LeavesSetupAloneUnlessAskedFor) {
    params.restoreConfiguration(file, false);

    for (const auto& line : writes()) {
        EXPECT_EQ(line.find("(c9,"), std::string::npos) << line;
        EXPECT_EQ(line.find("(cb,"), std::string::npos) << line;
        EXPECT_EQ(line.find("(75, 26)"), std::string::npos) << line;
    }
    EXPECT_EQ(unitValue(197, 15), ParameterValue(1));
}

TEST_F(Restore, UnknownIdIsNotAConfigurationOfThisUnit) {
    file[pid(143, 9)] = 1;
    try {
        params.restoreConfiguration(file, true);
        FAIL() << "an id of another unit was accepted";
    } catch (const QuenlarException& error) {
        EXPECT_STREQ(error.what(), "This is not a valid configuration file for this device");
    }
}

TEST_F(Restore, SavedFileComesBackThroughLoad) {
    params.setValue(pid(143, 12), 9);
    params.setValue(pid(117, 26), 6);
    std::stringstream saved;
    params.save(saved);
    params.setValue(pid(143, 12), 3);
    params.setValue(pid(117, 26), 1);

    params.load(saved, false);
    EXPECT_EQ(unitValue(143, 12), ParameterValue(9));
    EXPECT_EQ(unitValue(117, 26), ParameterValue(1)) << "setup stays as it is";
}

} // namespace
