#pragma once

#include <cstdint>
#include <memory>

#include "model/ControlParameter.h"
#include "model/SystemClock.h"

class Clock;
class CompoundParameterConstraints;
class ParameterMap;

// One setting that the unit takes through one parameter (the control) and reports through another
// (the status), presented as a single parameter a control can be bound to. Writes go to the
// control; value, limits and enabled state follow the status. For two seconds after a write the
// compound stays out of group refreshes, so that a slow unit's old value does not flick back onto
// the screen.
//
// The set holds a compound under its own id; getId() reports the status id, which is what a
// refresh asks the unit for.
class CompoundParameter : public ControlParameter {
public:
    CompoundParameter(const ParameterId& id, Parameter& status, ControlParameter& control,
                      ParameterMap& map, char category,
                      const Clock& clock = SystemClock::instance());
    ~CompoundParameter() override;

    // Always writes (the control's forceValue), even when the unit is believed to hold the value.
    void setValue(const ParameterValue& value) override;
    void formatValue(std::string& text, const ParameterValue& value) const override;
    bool isVisible() const override;
    // Hides or shows the compound, its status and its control, then tells the observers again.
    void setVisible(bool flag, const Parameter* cause = nullptr) override;
    void refresh() override;
    void setAssociatedList(const AssociatedList& list, const Parameter* cause = nullptr) override;
    AssociatedList getAssociatedList() const override;
    bool matches(const GenericProtocol& protocol, char group) const override;
    const ParameterId& getId() const override;
    // Reports show the status parameter.
    void writeText(std::ostream& stream) const override;
    void writeHtml(std::ostream& stream, bool openRow, bool closeRow) const override;
    void sendValue(const ParameterValue& value) override;
    void forceValue(const ParameterValue& value) override;

    // Gives the status the written value at once, without a device read.
    void showOnStatus(const ParameterValue& value);
    void setControl(ControlParameter& control);
    void setStatus(Parameter& status);

    // The id the compound was built with and the set holds it under.
    using Parameter::ownId;
    ControlParameter& control() const { return *control_; }
    Parameter& status() const { return *status_; }

private:
    // The bookkeeping of every write: start the refresh hold-off, show the value.
    void written(const ParameterValue& value);

    std::unique_ptr<CompoundParameterConstraints> constraints_;
    ControlParameter* control_;
    Parameter* status_;
    const Clock& clock_;
    std::int64_t lastSetTime_;
};
