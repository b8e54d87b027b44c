#include "catalogue/RuleTrigger.h"

RuleTrigger::RuleTrigger(Parameter& parameter, std::function<void()> rule)
    : rule_(std::move(rule)) {
    attach(parameter);
    armed_ = true;
}

void RuleTrigger::update(Parameter& parameter) {
    if (armed_ && &parameter == subject())
        rule_();
}
