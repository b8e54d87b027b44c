#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/CompoundParameter.h"
#include "model/ParameterDependencies.h"
#include "model/ParameterMap.h"
#include "support/CountingObserver.h"
#include "support/FailureMessage.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

namespace {

// A control (8f, 3) written by the operator and a status (b4, 3) read back from an in-memory unit,
// joined by the compound (13, 3) as the catalogue joins a metadata item.
class CompoundFixture {
protected:
    CompoundFixture() {
        map[control.getId()] = &control;
        map[status.getId()] = &status;
        compound = std::make_unique<CompoundParameter>(ParameterId(0x13, 3), status, control, map,
                                                       'm', clock);
        map[compound->ownId()] = compound.get();
        watcher.attach(*compound);
        watcher.updates = 0;
    }

    DummyProtocol unit;
    Protocol link{unit};
    RecordingProtocol device{link};
    FakeClock clock;
    ControlParameter control{device, ParameterId(0x8f, 3), 7, 1, 7, 'z'};
    Parameter status{device, ParameterId(0xb4, 3), 7, 1, 7, 'z'};
    ParameterMap map;
    std::unique_ptr<CompoundParameter> compound;
    CountingObserver watcher;
};

class CompoundWrite : public CompoundFixture, public testing::Test {};

TEST_F(CompoundWrite, GoesOutThroughTheControlEveryTimeAndIsShownWithoutReadingTheUnit) {
    compound->setValue(4);
    compound->setValue(4);

    EXPECT_EQ(device.log, (std::vector<std::string>{"w (8f, 3) 4", "w (8f, 3) 4"}));
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
    EXPECT_EQ(device.log, std::vector<std::string>{"w (91, 3) 0"});
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

// Records the order of its hooks and what it saw of the subject each time.
class TracingRule : public ParameterDependencies {
public:
    TracingRule(ParameterMap& map, Parameter& subject) : ParameterDependencies(map) {
        attach(subject);
    }

    std::vector<std::string> calls;
    using ParameterDependencies::find;
    using ParameterDependencies::findAs;

protected:
    void valueChanged() override { calls.push_back("changed " + std::to_string(value())); }
    void apply() override { calls.push_back(subjectEnabled() ? "apply" : "apply disabled"); }
};

class RuleBase : public CompoundFixture, public testing::Test {};

TEST_F(RuleBase, AppliesAtAttachAndAfterEveryNotificationButSeesNewValuesOnlyOnce) {
    TracingRule rule(map, control);
    control.setValue(3);
    control.setEnabled(false);
    control.notify();

    EXPECT_EQ(rule.calls, (std::vector<std::string>{"changed 7", "apply", "changed 3", "apply",
                                                    "apply disabled", "apply disabled"}));
}

TEST_F(RuleBase, LookupFailuresNameTheRuleAndTheKindIsChecked) {
    TracingRule rule(map, control);
    EXPECT_EQ(messageOf([&] { rule.find(ParameterId(0x2a, 3), "TracingRule", 42); }),
              "Couldn't find parameter (2a, 3) (TracingRule:42)\n");
    EXPECT_THROW(rule.findAs<ControlParameter>(status.getId(), "TracingRule", 2), QuenlarException);
}

} // namespace
