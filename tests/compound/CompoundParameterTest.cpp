#include <gtest/gtest.h>

#include "CompoundFixture.h"

namespace {

class CompoundWrite : public CompoundFixture, public testing::Test {};

TEST_F(CompoundWrite, GoesOutThroughTheControlEveryTimeAndIsShownWithoutReadingTheUnit) {
    compound->setValue(4);
    compound->setValue(4);

    ASSERT_EQ(device.writes.size(), 2u);
    EXPECT_EQ(device.writes[0].id, control.getId());
    EXPECT_TRUE(device.reads.empty());
    EXPECT_EQ(status.getValue(), ParameterValue(4));
    EXPECT_EQ(compound->getValue(), ParameterValue(4));
}

TEST_F(CompoundWrite, SendValueWritesOnlyANewValueButAlwaysStartsTheHoldOff) {
    clock.advanceSeconds(10);
    compound->sendValue(7);
    EXPECT_TRUE(device.writes.empty());
    EXPECT_FALSE(compound->matches(device, 'X'));

    compound->sendValue(3);
    EXPECT_EQ(device.writes.size(), 1u);
}

TEST_F(CompoundWrite, RefusedOrFailedWriteLeavesStatusAndHoldOffAlone) {
    clock.advanceSeconds(10);
    compound->setValue(9); // beyond the limits
    control.setEnabled(false);
    compound->forceValue(5);
    EXPECT_TRUE(device.writes.empty());

    control.setEnabled(true);
    device.failWrites = true;
    EXPECT_THROW(compound->setValue(2), ProtocolException);
    EXPECT_EQ(status.getValue(), ParameterValue(7));
    EXPECT_EQ(compound->getValue(), ParameterValue(7));
    EXPECT_TRUE(compound->matches(device, 'm'));

    // A value excluded on the compound stays writable through the control.
    device.failWrites = false;
    compound->enableValue(false, 2);
    EXPECT_FALSE(compound->isValidValue(2));
    control.setValue(2);
    EXPECT_EQ(control.getValue(), ParameterValue(2));
}

class CompoundFollowsStatus : public CompoundFixture, public testing::Test {};

TEST_F(CompoundFollowsStatus, StateLimitsValueAndVisibilityComeFromTheStatus) {
    status.update(ParameterValueMap{{status.getId(), 5}});
    EXPECT_EQ(compound->getValue(), ParameterValue(5));
    EXPECT_EQ(watcher.updates, 1);

    status.setEnabled(false);
    EXPECT_FALSE(compound->isEnabled());
    status.setMaximum(9);
    EXPECT_EQ(compound->getMaximum(), ParameterValue(9));

    watcher.updates = 0; // hiding hides all three and notifies twice
    compound->setVisible(false);
    EXPECT_FALSE(status.isVisible());
    EXPECT_FALSE(control.isVisible());
    EXPECT_EQ(watcher.updates, 2);
    status.setVisible(true);
    EXPECT_TRUE(compound->isVisible());
}

TEST_F(CompoundFollowsStatus, RetargetedCompoundFollowsOnlyTheNewPair) {
    ControlParameter otherControl{device, ParameterId(0x91, 3), 2, 0, 2, 'z'};
    Parameter otherStatus{device, ParameterId(0xb5, 3), 1, 0, 2, 'z'};
    compound->setControl(otherControl);
    compound->setStatus(otherStatus);
    status.update(ParameterValueMap{{status.getId(), 6}});
    EXPECT_EQ(compound->getValue(), ParameterValue(1));
    compound->setValue(0);
    ASSERT_EQ(device.writes.size(), 1u);
    EXPECT_EQ(device.writes[0].id, otherControl.getId());
}

TEST_F(CompoundFollowsStatus, HeldOffFromGroupRefreshesForTwoSecondsAfterConstructionAndWrites) {
    EXPECT_FALSE(compound->matches(device, 'm'));
    clock.advanceSeconds(3);
    EXPECT_TRUE(compound->matches(device, 'm'));
    EXPECT_FALSE(compound->matches(device, 'M'));

    compound->setValue(3);
    clock.advanceSeconds(2);
    EXPECT_FALSE(compound->matches(device, 'm'));
    clock.advanceSeconds(1);
    EXPECT_TRUE(compound->matches(device, 'm'));
    EXPECT_TRUE(compound->matches(device, 'X'));
}

TEST_F(CompoundFollowsStatus, SingleRefreshReadsTheStatusIntoTheCompound) {
    unit.write(status.getId().previous(), 6, 0);
    compound->refresh();
    EXPECT_EQ(device.reads, std::vector<ParameterId>{status.getId()});
    EXPECT_EQ(compound->getValue(), ParameterValue(6));
}

} // namespace
