#include <gtest/gtest.h>

#include <sstream>

#include "CompoundFixture.h"
#include "model/QuenlarException.h"

namespace {

class CompoundWrite : public CompoundFixture, public testing::Test {};

TEST_F(CompoundWrite, GoesOutThroughTheControlEvenWhenTheValueIsAlreadyShown) {
    compound->setValue(7);
    compound->setValue(7);

    ASSERT_EQ(device.writes.size(), 2u);
    EXPECT_EQ(device.writes[0].id, ParameterId(0x8f, 3));
    EXPECT_EQ(compound->getValue(), ParameterValue(7));
}

TEST_F(CompoundWrite, ShowsTheValueOnStatusAndCompoundWithoutReadingTheUnit) {
    compound->setValue(4);

    EXPECT_EQ(device.reads.size(), 0u);
    EXPECT_EQ(status.getValue(), ParameterValue(4));
    EXPECT_EQ(compound->getValue(), ParameterValue(4));
    EXPECT_GE(watcher.updates, 1);
}

TEST_F(CompoundWrite, SendValueWritesOnlyANewValueButAlwaysStartsTheHoldOff) {
    clock.advanceSeconds(10);
    compound->sendValue(7);
    EXPECT_TRUE(device.writes.empty());
    EXPECT_FALSE(compound->matches(device, 'X'));

    compound->sendValue(3);
    ASSERT_EQ(device.writes.size(), 1u);
    EXPECT_EQ(compound->getValue(), ParameterValue(3));
}

TEST_F(CompoundWrite, ValueTheControlRefusesIsNeitherWrittenNorShown) {
    clock.advanceSeconds(10);
    compound->setValue(9);
    control.setEnabled(false);
    compound->forceValue(5);

    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(compound->getValue(), ParameterValue(7));
    EXPECT_EQ(status.getValue(), ParameterValue(7));
    EXPECT_TRUE(compound->matches(device, 'm'));
}

TEST_F(CompoundWrite, FailedWriteLeavesStatusAndHoldOffAlone) {
    clock.advanceSeconds(10);
    device.failWrites = true;

    EXPECT_THROW(compound->setValue(2), ProtocolException);
    EXPECT_EQ(status.getValue(), ParameterValue(7));
    EXPECT_TRUE(compound->matches(device, 'm'));
}

TEST_F(CompoundWrite, ExcludedValueOnTheCompoundStaysWritableThroughTheControl) {
    compound->enableValue(false, 2);
    EXPECT_FALSE(compound->isValidValue(2));

    control.setValue(2);
    EXPECT_EQ(control.getValue(), ParameterValue(2));
}

class CompoundFollowsStatus : public CompoundFixture, public testing::Test {};

TEST_F(CompoundFollowsStatus, EnabledStateAndLimits) {
    status.setEnabled(false);
    EXPECT_FALSE(compound->isEnabled());
    status.setEnabled(true);
    EXPECT_TRUE(compound->isEnabled());

    status.setMaximum(9);
    status.setMinimum(0);
    EXPECT_EQ(compound->getMaximum(), ParameterValue(9));
    EXPECT_EQ(compound->getMinimum(), ParameterValue(0));
}

TEST_F(CompoundFollowsStatus, ValueReadFromTheUnitReachesTheCompoundObservers) {
    status.update(ParameterValueMap{{status.getId(), 5}});

    EXPECT_EQ(compound->getValue(), ParameterValue(5));
    EXPECT_EQ(watcher.updates, 1);
}

TEST_F(CompoundFollowsStatus, IdentityAndReportComeFromTheStatus) {
    EXPECT_EQ(compound->getId(), status.getId());
    EXPECT_EQ(compound->ownId(), ParameterId(0x13, 3));
    std::ostringstream shown;
    std::ostringstream expected;
    compound->writeText(shown);
    status.writeText(expected);
    EXPECT_EQ(shown.str(), expected.str());
    EXPECT_NE(shown.str().find("(b4, 3)"), std::string::npos);
}

TEST_F(CompoundFollowsStatus, HidingHidesAllThreeAndNotifiesTwice) {
    compound->setVisible(false);

    EXPECT_FALSE(compound->isVisible());
    EXPECT_FALSE(status.isVisible());
    EXPECT_FALSE(control.isVisible());
    EXPECT_EQ(watcher.updates, 2);

    status.setVisible(true);
    EXPECT_TRUE(compound->isVisible());
}

TEST_F(CompoundFollowsStatus, RetargetedCompoundFollowsOnlyTheNewStatus) {
    ControlParameter otherControl{device, ParameterId(0x91, 3), 2, 0, 2, 'z'};
    Parameter otherStatus{device, ParameterId(0xb5, 3), 1, 0, 2, 'z'};
    otherStatus.setEnabled(false);

    compound->setControl(otherControl);
    compound->setStatus(otherStatus);
    EXPECT_EQ(compound->getValue(), ParameterValue(1));
    EXPECT_FALSE(compound->isEnabled());
    EXPECT_EQ(compound->getMaximum(), ParameterValue(2));
    EXPECT_EQ(compound->getId(), otherStatus.getId());

    status.update(ParameterValueMap{{status.getId(), 6}});
    EXPECT_EQ(compound->getValue(), ParameterValue(1));

    otherStatus.setEnabled(true);
    compound->setValue(0);
    ASSERT_EQ(device.writes.size(), 1u);
    EXPECT_EQ(device.writes[0].id, otherControl.getId());
}

TEST_F(CompoundFollowsStatus, StatusOutsideItsOwnLimitsIsAnInconsistentState) {
    Parameter odd{device, ParameterId(0xf8, 1), 100, 0, 16, 'a'};
    try {
        compound->setStatus(odd);
        FAIL() << "limits below the value were accepted";
    } catch (const QuenlarException& error) {
        EXPECT_STREQ(error.what(), "Inconsistent State");
    }
}

class CompoundRefresh : public CompoundFixture, public testing::Test {};

TEST_F(CompoundRefresh, HeldOffForTwoSecondsAfterConstructionAndAfterEachWrite) {
    EXPECT_FALSE(compound->matches(device, 'm'));
    clock.advanceSeconds(3);
    EXPECT_TRUE(compound->matches(device, 'm'));
    EXPECT_FALSE(compound->matches(device, 'M'));

    compound->setValue(3);
    clock.advanceSeconds(1);
    EXPECT_FALSE(compound->matches(device, 'm'));
    EXPECT_FALSE(compound->matches(device, 'X'));
    clock.advanceSeconds(1);
    EXPECT_FALSE(compound->matches(device, 'm'));
    clock.advanceSeconds(1);
    EXPECT_TRUE(compound->matches(device, 'm'));
    EXPECT_TRUE(compound->matches(device, 'X'));
}

TEST_F(CompoundRefresh, GroupRefreshAsksForTheStatusAndCarriesTheAnswerIntoTheCompound) {
    clock.advanceSeconds(3);
    unitHolds(status.getId(), 2);

    map.refresh(device, 'm');

    ASSERT_EQ(device.requests.size(), 1u);
    EXPECT_EQ(device.requests[0], ParameterIdSet{status.getId()});
    EXPECT_EQ(status.getValue(), ParameterValue(2));
    EXPECT_EQ(compound->getValue(), ParameterValue(2));
}

TEST_F(CompoundRefresh, SingleRefreshReadsTheStatus) {
    unitHolds(status.getId(), 6);

    compound->refresh();

    EXPECT_EQ(device.reads.size(), 1u);
    EXPECT_EQ(compound->getValue(), ParameterValue(6));
}

} // namespace
