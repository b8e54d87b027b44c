#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "model/ParameterSet.h"
#include "model/QuenlarException.h"
#include "support/CountingObserver.h"
#include "support/RecordingProtocol.h"

namespace {

// A small set over the off-line unit, with one parameter of each refresh group and one
// client-side parameter.
class SmallSet : public ParameterSet {
public:
    explicit SmallSet(GenericProtocol& protocol) : ParameterSet(protocol) {
        addControl(ParameterId(197, 0), 'A');
        addControl(ParameterId(113, 4), 'a');
        addControl(ParameterId(210, 16), 'F');
        addControl(ParameterId(210, 40), 'G');
        addControl(ParameterId(179, 8), 'H');
        addControl(ParameterId(179, 16), 'I');
        add(std::make_unique<ControlParameter>(localProtocol(), ParameterId(23, 13), 0,
                                               ParameterValue::smallest(),
                                               ParameterValue::largest(), 'z'));
    }

    Protocol& local() { return localProtocol(); }

private:
    void addControl(const ParameterId& id, char category) {
        add(std::make_unique<ControlParameter>(protocol(), id, 0, ParameterValue::smallest(),
                                               ParameterValue::largest(), category));
    }
};

class ParameterSetTest : public ::testing::Test {
protected:
    DummyVx41Protocol unit;
    Protocol bridge{unit};
    RecordingProtocol line{bridge};
    SmallSet set{line};
};

TEST_F(ParameterSetTest, RefreshAllIsFiveRequestsOrdinaryThenTheFourPagedGroups) {
    set.refreshAll();
    ASSERT_EQ(line.requests.size(), 5u);
    EXPECT_EQ(line.requests[0], (ParameterIdSet{{113, 4}, {197, 0}}));
    EXPECT_EQ(line.requests[1], (ParameterIdSet{{210, 16}}));
    EXPECT_EQ(line.requests[2], (ParameterIdSet{{210, 40}}));
    EXPECT_EQ(line.requests[3], (ParameterIdSet{{179, 8}}));
    EXPECT_EQ(line.requests[4], (ParameterIdSet{{179, 16}}));
    EXPECT_EQ(set.find({113, 4}).getValue(), ParameterValue(800));
    EXPECT_EQ(set.find({197, 0}).getValue(), ParameterValue(60));
}

TEST_F(ParameterSetTest, ARefreshNotifiesOnlyTheParametersThatChanged) {
    set.refreshAll();
    CountingObserver level, trim;
    set.attach({113, 4}, level);
    set.attach({197, 0}, trim);
    unit.write(ParameterId(196, 0), 61, 0);
    set.parameters().refresh(line, 'A');
    set.parameters().refresh(line, 'a');
    EXPECT_EQ(level.updates, 1);
    EXPECT_EQ(trim.updates, 2);
}

TEST_F(ParameterSetTest, AGroupWithNoParametersStillAsksOnceAndChangesNothing) {
    set.parameters().refresh(line, 'q');
    ASSERT_EQ(line.requests.size(), 1u);
    EXPECT_TRUE(line.requests[0].empty());
}

TEST_F(ParameterSetTest, SetValueRefreshesFirstThenWritesThroughTheParameter) {
    EXPECT_EQ(set.setValue({197, 0}, 72), ParameterValue(72));
    EXPECT_EQ(line.requests.size(), 5u);
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(unit.values().at({197, 0}), ParameterValue(72));
}

TEST_F(ParameterSetTest, GetValueIsOneDeviceRead) {
    unit.write(ParameterId(112, 4), 900, 0);
    EXPECT_EQ(set.getValue({113, 4}), ParameterValue(900));
    EXPECT_EQ(line.reads, (std::vector<ParameterId>{{113, 4}}));
    EXPECT_TRUE(line.requests.empty());
}

TEST_F(ParameterSetTest, ClientSideParametersNeverReachTheUnit) {
    set.find({23, 13}).setValue(5);
    set.refreshAll();
    EXPECT_TRUE(line.writes.empty());
    for (const auto& request : line.requests)
        for (const auto& id : request)
            EXPECT_NE(id.number, 23);
    EXPECT_EQ(set.find({23, 13}).getValue(), ParameterValue(5));
}

TEST_F(ParameterSetTest, SwitchingProtocolMovesOnlyTheParametersOfThePreviousOne) {
    DummyVx41Protocol otherUnit;
    Protocol otherBridge(otherUnit);
    RecordingProtocol otherLine(otherBridge);
    EXPECT_EQ(&set.setProtocol(otherLine), &line);
    set.refreshAll();
    EXPECT_TRUE(line.requests.empty());
    EXPECT_EQ(otherLine.requests.size(), 5u);
    EXPECT_EQ(&set.find({23, 13}).protocol(), &set.local());
    EXPECT_EQ(&set.find({197, 0}).protocol(), &otherLine);
}

TEST_F(ParameterSetTest, CopyValueUsesTheHeldValueAndRespectsTheDestinationLimits) {
    set.find({197, 0}).setMaximum(100);
    set.find({113, 4}).assignValue(800);
    set.copyValue({197, 0}, {113, 4}); // 800 is above the destination's maximum
    EXPECT_EQ(set.find({197, 0}).getValue(), ParameterValue(0));
    EXPECT_TRUE(line.writes.empty());
    set.find({113, 4}).assignValue(50);
    set.copyValue({197, 0}, {113, 4});
    EXPECT_EQ(set.find({197, 0}).getValue(), ParameterValue(50));
    EXPECT_TRUE(line.reads.empty()); // the source is not read from the unit
}

TEST_F(ParameterSetTest, AMissingIdIsReportedWithItsTextAndTheCaller) {
    try {
        set.parameters().find({0x2A, 3}, "unknown", 0);
        FAIL() << "no exception";
    } catch (const QuenlarException& e) {
        EXPECT_STREQ(e.what(), "Couldn't find parameter (2a, 3) (unknown:0)\n");
    }
    EXPECT_EQ(set.findOrNull({0x2A, 3}), nullptr);
    EXPECT_THROW(set.getValue({0x2A, 3}), QuenlarException);
}

TEST_F(ParameterSetTest, AnIdCannotBeDefinedTwice) {
    EXPECT_THROW(set.add(std::make_unique<Parameter>(line, ParameterId(197, 0), 0, 0, 0, 'A')),
                 QuenlarException);
}

TEST(ParameterSetLifetime, ParametersGoBeforeTheRulesThatObserveThem) {
    DummyVx41Protocol unit;
    Protocol bridge(unit);
    CountingObserver outside;
    {
        ParameterSet set(bridge);
        set.add(std::make_unique<Parameter>(bridge, ParameterId(1, 0), 0, 0, 0, 'a'));
        auto& rule = set.addRule(std::make_unique<CountingObserver>());
        set.attach({1, 0}, rule);
        set.attach({1, 0}, outside);
    }
    // The parameter told the outside observer it was going; detaching does nothing now.
    EXPECT_EQ(outside.subject(), nullptr);
    outside.detach();
}

} // namespace
