#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "CatalogueFixture.h"
#include "link/ProtocolException.h"
#include "support/FailureMessage.h"
#include "support/Printers.h"

namespace {

// Which category a poll request read, told by one member that only that category holds.
char categoryOf(const ParameterIdSet& request) {
    for (const auto& [id, category] : {std::pair{idOf(204, 0), 'C'},
                                       {idOf(123, 2), 'M'},
                                       {idOf(117, 21), 'B'},
                                       {idOf(207, 0), 'a'},
                                       {idOf(180, 3), 'm'},
                                       {idOf(201, 30), 'A'},
                                       {idOf(212, 0), 'D'},
                                       {idOf(121, 0), 's'}})
        if (std::find(request.begin(), request.end(), id) != request.end())
            return category;
    return '?';
}

class Polling : public CatalogueFixture, public testing::Test {};

TEST_F(Polling, SixteenStepsReadEachCategoryInTurnThenStartAgain) {
    settle();
    for (int step = 0; step < 17; ++step)
        params.pollNext();

    std::string categories;
    for (const auto& request : device.requests)
        categories += categoryOf(request);
    EXPECT_EQ(categories, "CMBamACmDMCABCmsC");
    // The metadata compounds are read through the values in use.
    EXPECT_EQ(device.requests.at(4).size(), 27u);
    for (const auto& id : device.requests.at(4))
        EXPECT_EQ(id.number, 180);
}

TEST_F(Polling, EachStepMovesTheSmoothedMetersOnce) {
    unit.write(ParameterId(203, 0), 1000, 0);
    params.pollNext();
    EXPECT_EQ(at(204, 0).getValue(), ParameterValue(1000));

    unit.write(ParameterId(203, 0), 800, 0);
    for (int step = 1; step <= 6; ++step)
        params.pollNext();
    // Falling by 200 a reading, the meter is drawn on down at that rate until the next one.
    EXPECT_EQ(at(204, 0).getValue(), ParameterValue(600));
    params.runIdle();
    EXPECT_EQ(at(204, 0).getValue(), ParameterValue(400));
}

TEST_F(Polling, NothingElseIsReadWhileARefreshRunsNorLeftBlockedByAFailure) {
    device.duringReadMany = [this] {
        device.duringReadMany = nullptr;
        params.pollNext();
        params.refreshEverything();
    };
    params.refreshEverything();
    EXPECT_EQ(device.requests.size(), 5u);

    device.duringReadMany = [this] {
        device.duringReadMany = nullptr;
        params.refreshEverything();
    };
    params.pollNext();
    EXPECT_EQ(device.requests.size(), 6u);

    // A failed read ends the refresh but not the polling.
    device.failReads = true;
    EXPECT_THROW(params.pollNext(), ProtocolException);
    EXPECT_THROW(params.refreshEverything(), ProtocolException);
    device.failReads = false;
    device.clear();

    params.pollNext();
    params.refreshEverything();
    EXPECT_EQ(device.requests.size(), 6u);
}

TEST_F(Polling, AnalogueOutputsShapeTheMonitorOnlyDuringAFullRefresh) {
    unit.write(ParameterId(215, 3), 0, 0);
    params.refreshEverything();
    EXPECT_FALSE(at(197, 17).isVisible());
    EXPECT_EQ(at(201, 30).getMaximum(), ParameterValue(64));

    unit.write(ParameterId(215, 3), 1, 0);
    for (int step = 0; step < 4; ++step)
        params.pollNext();
    EXPECT_EQ(at(216, 3).getValue(), ParameterValue(1));
    EXPECT_FALSE(at(197, 17).isVisible());

    params.refreshEverything();
    EXPECT_TRUE(at(197, 17).isVisible());
    EXPECT_TRUE(at(197, 4).isVisible()) << "multi-channel speakers show the channel trims";
    EXPECT_EQ(at(201, 30).getMaximum(), ParameterValue(68));
}

TEST_F(Polling, HeldValuesTheOutputsRuleRefusesNeverBlockTheNextFullRefresh) {
    unit.write(ParameterId(215, 3), 1, 0);
    unit.write(ParameterId(200, 30), 66, 0); // an analogue-output function
    params.refreshEverything();
    unit.write(ParameterId(215, 3), 0, 0);
    const auto refresh = [this] { params.refreshEverything(); };
    EXPECT_EQ(messageOf(refresh), "Inconsistent State") << "the unit contradicts itself";
    EXPECT_EQ(at(216, 3).getValue(), ParameterValue(0));
    EXPECT_EQ(at(201, 31).getMaximum(), ParameterValue(64)) << "the other lines are narrowed";

    unit.write(ParameterId(200, 30), 3, 0);
    device.clear();
    EXPECT_EQ(messageOf(refresh), "no failure");
    EXPECT_EQ(device.requests.size(), 5u);
    EXPECT_EQ(at(201, 30).getValue(), ParameterValue(3));
    EXPECT_EQ(at(201, 30).getMaximum(), ParameterValue(64));
}

TEST_F(Polling, OffLineSwitchLeavesTheOldLineAndTheLocalParametersAlone) {
    unit.write(ParameterId(215, 21), 1, 0); // analogue I/O on: the master volume is operable
    params.setValue(ParameterId(197, 17), 100);
    params.switchToOffLine();
    device.clear();

    params.refreshEverything();
    EXPECT_TRUE(device.requests.empty());
    EXPECT_EQ(at(197, 17).getValue(), ParameterValue(192)) << "a fresh unit";
    EXPECT_NE(&at(23, 12).protocol(), &params.protocol()) << "local parameters stay local";

    RecordingProtocol next{link};
    params.switchProtocol(next);
    params.refreshEverything();
    EXPECT_EQ(next.requests.size(), 5u);
    EXPECT_EQ(at(197, 17).getValue(), ParameterValue(100));
}

} // namespace
