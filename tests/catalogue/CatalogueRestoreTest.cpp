#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "CatalogueFixture.h"
#include "support/FailureMessage.h"

namespace {

using ::testing::HasSubstr;

class Restore : public CatalogueFixture, public testing::Test {
protected:
    Restore() {
        // With the analogue I/O on the monitor settings can be restored; what the rules write
        // while the set is built is no part of a restore.
        unit.write(idOf(215, 21), 1, 0);
        device.clear();
    }

    std::vector<std::string> writes() const {
        std::vector<std::string> lines;
        for (const auto& line : device.log)
            if (line[0] == 'w')
                lines.push_back(line);
        return lines;
    }

    ParameterValueMap file{
        {idOf(201, 0), 0},  {idOf(201, 15), 1}, {idOf(201, 30), 5}, {idOf(203, 1), 1},
        {idOf(203, 17), 0}, {idOf(203, 32), 7}, {idOf(141, 0), 2},  {idOf(123, 3), 2},
        {idOf(143, 3), 5},  {idOf(125, 2), 0},  {idOf(145, 2), 3},  {idOf(147, 2), 6},
        {idOf(197, 15), 1}, {idOf(117, 26), 4}, {idOf(117, 11), 1},
    };
};

TEST_F(Restore, WritesInTheUnitsOrderBetweenTheRestoreFlags) {
    unit.write(idOf(206, 9), 0, 0);
    // Progress counts the writes in the unit's order as pass 1, each pass over the rest after it.
    std::vector<int> passes;
    params.restoreConfiguration(file, true, [&passes](int pass) { passes.push_back(pass); });
    EXPECT_EQ(passes, (std::vector<int>{1, 2}));

    // Between the restore flags: the programme configuration; a source, and only where it is
    // internal its value ((7b, 3) is external: the rules keep its source state instead); GPI and
    // GPO function, polarity, trigger; then the rest in id order, (93, 2) without its source.
    EXPECT_EQ(writes(), (std::vector<std::string>{"w (cf, 9) 1", "w (8d, 0) 2", "w (7b, 3) 2",
                                                  "w (da, 3) 0", "w (91, 2) 3", "w (c9, 30) 5",
                                                  "w (c9, 15) 1", "w (c9, 0) 0", "w (cb, 32) 7",
                                                  "w (cb, 17) 0", "w (cb, 1) 1", "w (75, 26) 4",
                                                  "w (93, 2) 6", "w (c5, 15) 1", "w (cf, 9) 0"}));
    for (int request = 0; request < 5; ++request)
        EXPECT_EQ(device.log.at(request)[0], 'm') << "the flag is set after reading the unit";
    // A restore never waits after a write; afterwards each item writes with its own delay, none
    // for the dialogue normalization.
    for (const auto& write : device.writes)
        EXPECT_EQ(write.delayMs, 0u) << write.id.toString();
    for (const auto& [number, index, delayMs] : {std::tuple{143, 8, 0u}, {143, 12, 1250u}}) {
        params.setValue(idOf(number, index), 20);
        EXPECT_EQ(device.writes.back().delayMs, delayMs) << number << "," << index;
    }
}

// The source of the programme configuration switches every item's source: it goes before them,
// so that the sources the file holds are the ones the unit keeps.
TEST_F(Restore, ItemSourcesOutlastTheConfigurationSource) {
    file[idOf(121, 0)] = 1;
    params.restoreConfiguration(file, true);
    EXPECT_EQ(unit.read(idOf(121, 0)), ParameterValue(1));
    EXPECT_EQ(unit.read(idOf(123, 3)), ParameterValue(2));
}

TEST_F(Restore, LeavesSetupAloneUnlessAskedFor) {
    params.restoreConfiguration(file, false);
    EXPECT_THAT(writes(), ::testing::Each(::testing::Not(::testing::AnyOf(
                              HasSubstr("(c9,"), HasSubstr("(cb,"), HasSubstr("(75, 26)")))));
    EXPECT_EQ(unit.read(idOf(197, 15)), ParameterValue(1));
}

// The unit is told the restore is over even when the file stops it.
TEST_F(Restore, UnknownIdIsNotAConfigurationOfThisUnit) {
    file[idOf(143, 9)] = 1;
    EXPECT_EQ(messageOf([this] { params.restoreConfiguration(file, true); }),
              "This is not a valid configuration file for this device");
    EXPECT_EQ(writes().back(), "w (cf, 9) 0");
}

} // namespace
