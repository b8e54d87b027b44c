#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompoundFixture.h"
#include "model/ParameterDependencies.h"
#include "model/QuenlarException.h"
#include "model/SharedParameter.h"

namespace {

// Records the order of its hooks and what it saw of the subject each time.
class TracingRule : public ParameterDependencies {
public:
    TracingRule(ParameterMap& map, Parameter& subject) : ParameterDependencies(map) {
        attach(subject);
    }

    std::vector<std::string> calls;
    using ParameterDependencies::find;
    using ParameterDependencies::findAs;
    using ParameterDependencies::subjectEnabled;
    using ParameterDependencies::value;

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

TEST_F(RuleBase, LookupFailuresNameTheRule) {
    TracingRule rule(map, control);
    try {
        rule.find(ParameterId(0x2a, 3), "TracingRule", 42);
        FAIL() << "a missing id was found";
    } catch (const QuenlarException& error) {
        EXPECT_STREQ(error.what(), "Couldn't find parameter (2a, 3) (TracingRule:42)\n");
    }
    EXPECT_EQ(&rule.findAs<ControlParameter>(control.getId(), "TracingRule", 1), &control);
    EXPECT_THROW(rule.findAs<ControlParameter>(status.getId(), "TracingRule", 2), QuenlarException);
}

TEST(SharedParameter, LockNotifiesOnlyWhenItChanges) {
    DummyProtocol unit;
    Protocol link{unit};
    SharedParameter shared{link, ParameterId(0x75, 37), 0, 0, 2, 'B'};
    CountingObserver watcher;
    watcher.attach(shared);

    shared.setLocked(true);
    shared.setLocked(true);
    EXPECT_TRUE(shared.isLocked());
    EXPECT_TRUE(shared.isEnabled());
    shared.setLocked(false);

    EXPECT_EQ(watcher.updates, 3);
    EXPECT_FALSE(shared.isLocked());
}

} // namespace
