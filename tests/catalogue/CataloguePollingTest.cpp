#include <gtest/gtest.h>

#include <string>

#include "CatalogueFixture.h"
#include "link/ProtocolException.h"

namespace {

bool asks(const ParameterIdSet& request, int number, int index) {
    for (const auto& id : request)
        if (id == ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index)))
            return true;
    return false;
}

// Which category a poll request read, told by one member that only that category holds.
char categoryOf(const ParameterIdSet& request) {
    if (asks(request, 204, 0))
        return 'C';
    if (asks(request, 123, 2))
        return 'M';
    if (asks(request, 117, 21))
        return 'B';
    if (asks(request, 207, 0))
        return 'a';
    if (asks(request, 180, 3))
        return 'm';
    if (asks(request, 201, 30))
        return 'A';
    if (asks(request, 212, 0))
        return 'D';
    if (asks(request, 121, 0))
        return 's';
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
}

TEST_F(Polling, MetadataCompoundsAreReadThroughTheValuesInUse) {
    settle();
    for (int step = 0; step < 5; ++step)
        params.pollNext();

    const auto& compounds = device.requests.at(4);
    EXPECT_EQ(compounds.size(), 27u);
    for (const auto& id : compounds)
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
    EXPECT_EQ(params.interpolatedMeters().size(), 20u);
}

TEST_F(Polling, FullRefreshIsFiveRequests) {
    params.refreshEverything();
    EXPECT_EQ(device.requests.size(), 5u);
}

TEST_F(Polling, NothingElseIsReadWhileARefreshRuns) {
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
}

TEST_F(Polling, AFailedReadEndsTheRefreshButNotThePolling) {
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
    EXPECT_FALSE(at(23, 1).isVisible());
    EXPECT_EQ(at(201, 30).getMaximum(), ParameterValue(64));
    EXPECT_EQ(at(203, 45).getMaximum(), ParameterValue(67));

    unit.write(ParameterId(215, 3), 1, 0);
    for (int step = 0; step < 4; ++step)
        params.pollNext();
    EXPECT_EQ(at(216, 3).getValue(), ParameterValue(1));
    EXPECT_FALSE(at(197, 17).isVisible());

    params.refreshEverything();
    EXPECT_TRUE(at(197, 17).isVisible());
    EXPECT_TRUE(at(197, 4).isVisible()) << "multi-channel speakers show the channel trims";
    EXPECT_FALSE(at(197, 14).isVisible());
    EXPECT_EQ(at(201, 30).getMaximum(), ParameterValue(68));
}

TEST_F(Polling, ProgrammeSourceFollowsExternalOneOffLine) {
    settle();
    params.setValue(ParameterId(143, 8), 20);
    params.setValue(ParameterId(141, 8), ParameterValue::fromText("Studio A"));
    params.refreshEverything();
    EXPECT_EQ(at(180, 8).getValue(), ParameterValue(20));
    EXPECT_EQ(at(179, 8).getValue(), ParameterValue::fromText("Studio A"));

    EXPECT_EQ(params.setValue(ParameterId(121, 0), 1), ParameterValue(1));
    params.refreshEverything();

    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(at(180 + p, 8).getValue(), ParameterValue(27)) << p;
        EXPECT_EQ(at(180 + p, 3).getValue(), ParameterValue(7)) << p;
        EXPECT_EQ(at(123 + 2 * p, 38).getValue(), ParameterValue(1)) << p;
        EXPECT_EQ(at(179, 8 + 2 * p).getValue(),
                  ParameterValue::fromText("Program " + std::to_string(p + 1)));
    }
    EXPECT_EQ(at(19, 8).getValue(), ParameterValue(27));
    EXPECT_EQ(at(25, 8).getValue(), ParameterValue(1));
    EXPECT_EQ(at(143, 8).getValue(), ParameterValue(20)) << "the authored value is kept";
}

TEST_F(Polling, OffLineSwitchLeavesTheOldLineAndTheLocalParametersAlone) {
    unit.write(ParameterId(215, 21), 1, 0); // analogue I/O on: the master volume is operable
    params.setValue(ParameterId(197, 17), 100);
    params.switchToOffLine();
    device.clear();

    params.refreshEverything();
    EXPECT_TRUE(device.requests.empty());
    EXPECT_EQ(at(197, 17).getValue(), ParameterValue(192)) << "a fresh unit";
    EXPECT_EQ(&at(23, 12).protocol(), &at(23, 13).protocol());
    EXPECT_NE(&at(23, 12).protocol(), &params.protocol());

    RecordingProtocol next{link};
    params.switchProtocol(next);
    params.refreshEverything();
    EXPECT_EQ(next.requests.size(), 5u);
    EXPECT_EQ(at(197, 17).getValue(), ParameterValue(100));
}

} // namespace
