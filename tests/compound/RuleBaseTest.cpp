#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompoundFixture.h"
#include "model/ParameterDependencies.h"
#include "support/FailureMessage.h"

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
