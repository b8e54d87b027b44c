#include "model/CompoundParameter.h"

#include "model/CompoundParameterConstraints.h"

namespace {
// Seconds after a write during which refreshes leave the compound alone.
constexpr std::int64_t holdOffSeconds = 2;
} // namespace

CompoundParameter::CompoundParameter(const ParameterId& id, Parameter& status,
                                     ControlParameter& control, ParameterMap& map, char category,
                                     const Clock& clock)
    : ControlParameter(status.protocol(), id, 0, 0, 0, category), control_(&control),
      status_(&status), clock_(clock) {
    constraints_ = std::make_unique<CompoundParameterConstraints>(*this, status, map);
    lastSetTime_ = clock_.seconds();
}

CompoundParameter::~CompoundParameter() = default;

void CompoundParameter::setValue(const ParameterValue& value) {
    forceValue(value);
}

void CompoundParameter::formatValue(std::string& text, const ParameterValue& value) const {
    status_->formatValue(text, value);
}

bool CompoundParameter::isVisible() const {
    return status_->isVisible();
}

void CompoundParameter::setVisible(bool flag, const Parameter* cause) {
    Parameter::setVisible(flag, cause);
    status_->setVisible(flag, cause);
    control_->setVisible(flag, cause);
    notify();
}

void CompoundParameter::refresh() {
    status_->refresh();
}

void CompoundParameter::setAssociatedList(const AssociatedList& list, const Parameter* cause) {
    status_->setAssociatedList(list, cause);
    control_->setAssociatedList(list, cause);
    notify();
}

Parameter::AssociatedList CompoundParameter::getAssociatedList() const {
    return status_->getAssociatedList();
}

bool CompoundParameter::matches(const GenericProtocol& protocol, char group) const {
    return Parameter::matches(protocol, group) && clock_.seconds() - lastSetTime_ > holdOffSeconds;
}

const ParameterId& CompoundParameter::getId() const {
    return status_->getId();
}

void CompoundParameter::writeText(std::ostream& stream) const {
    status_->writeText(stream);
}

void CompoundParameter::writeHtml(std::ostream& stream, bool openRow, bool closeRow) const {
    status_->writeHtml(stream, openRow, closeRow);
}

void CompoundParameter::sendValue(const ParameterValue& value) {
    control_->sendValue(value);
    written(value);
}

void CompoundParameter::forceValue(const ParameterValue& value) {
    // A value the control refuses is not written; showing it would display a setting the unit
    // never received.
    if (!control_->isValidValue(value))
        return;
    control_->forceValue(value);
    written(value);
}

void CompoundParameter::showOnStatus(const ParameterValue& value) {
    status_->update(ParameterValueMap{{status_->getId(), value}});
}

void CompoundParameter::setControl(ControlParameter& control) {
    control_ = &control;
}

void CompoundParameter::setStatus(Parameter& status) {
    status_ = &status;
    constraints_->setStatus(status);
}

void CompoundParameter::written(const ParameterValue& value) {
    lastSetTime_ = clock_.seconds();
    showOnStatus(value);
}
