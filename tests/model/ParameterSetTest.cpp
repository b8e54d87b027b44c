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
        const std::pair<ParameterId, char> controls[] = {
            {{197, 0}, 'A'}, {{113, 4}, 'a'},  {{210, 16}, 'F'}, {{210, 40}, 'G'},
            {{179, 8}, 'H'}, {{179, 16}, 'I'}, {{23, 13}, 'z'}};
        for (const auto& [id, category] : controls) // 'z': client-side
            add(std::make_unique<ControlParameter>(category == 'z' ? localProtocol() : protocol, id,
                                                   0, ParameterValue::smallest(),
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

TEST_F(ParameterSetTest, RefreshAllAsksForOrdinaryThenTheFourPagedGroupsButNeverLocalOnes) {
    set.find({23, 13}).setValue(5);
    set.refreshAll();
    EXPECT_EQ(line.requests,
              (std::vector<ParameterIdSet>{
                  {{113, 4}, {197, 0}}, {{210, 16}}, {{210, 40}}, {{179, 8}}, {{179, 16}}}));
    EXPECT_EQ(set.find({113, 4}).getValue(), ParameterValue(800));
    EXPECT_EQ(set.find({197, 0}).getValue(), ParameterValue(60));
    EXPECT_EQ(set.find({23, 13}).getValue(), ParameterValue(5));
    EXPECT_TRUE(line.writes.empty());

    line.clear(); // a group with no parameters still asks once
    set.parameters().refresh(line, 'q');
    EXPECT_EQ(line.requests, std::vector<ParameterIdSet>{{}});
}

TEST_F(ParameterSetTest, SetValueRefreshesFirstAndGetValueIsOneRead) {
    EXPECT_EQ(set.setValue({197, 0}, 72), ParameterValue(72));
    EXPECT_EQ(line.requests.size(), 5u);
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(unit.values().at({197, 0}), ParameterValue(72));

    line.clear();
    unit.write(ParameterId(112, 4), 900, 0);
    EXPECT_EQ(set.getValue({113, 4}), ParameterValue(900));
    EXPECT_EQ(line.reads, (std::vector<ParameterId>{{113, 4}}));
    EXPECT_TRUE(line.requests.empty());
}

// The destination's limits are its setValue's, checked with the parameter.
TEST_F(ParameterSetTest, CopyValueUsesTheHeldValue) {
    set.find({113, 4}).assignValue(50);
    set.copyValue({197, 0}, {113, 4});
    EXPECT_EQ(set.find({197, 0}).getValue(), ParameterValue(50));
    EXPECT_TRUE(line.reads.empty()); // the source is not read from the unit
}

TEST_F(ParameterSetTest, MissingAndDuplicateIdsAreRefused) {
    // The message of a failed lookup is checked where a rule looks up.
    EXPECT_EQ(set.findOrNull({0x2A, 3}), nullptr);
    EXPECT_THROW(set.getValue({0x2A, 3}), QuenlarException);
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
