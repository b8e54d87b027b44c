#pragma once

#include <functional>

#include "model/Observer.h"

// Runs a rule again whenever another parameter than its subject changes. A compound takes its
// enabled state from its status parameter every time that status changes; a rule that also
// enables or disables the compound must then have the last word, or a value read from the unit
// would re-enable what the rule disabled.
class RuleTrigger : public Observer {
public:
    // Does not run the rule while attaching: the rule is applied by its own attachment.
    RuleTrigger(Parameter& parameter, std::function<void()> rule);

    void update(Parameter& parameter) override;

private:
    std::function<void()> rule_;
    bool armed_ = false;
};
