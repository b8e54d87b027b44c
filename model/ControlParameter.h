#pragma once

#include <cstdint>
#include <memory>

#include "model/Parameter.h"

// A parameter the operator can change: a new value is written to the unit and the value the unit
// reports back is kept.
class ControlParameter : public Parameter {
public:
    using Parameter::Parameter;

    void setValue(const ParameterValue& value) override;
    bool isPersistent() const override;
    bool isRestorable(bool includeSetup) const override;

    // Writes value unless it is already held; keeps what the unit reports back.
    virtual void sendValue(const ParameterValue& value);
    // Writes value even if the unit is believed to hold it already, and always notifies.
    virtual void forceValue(const ParameterValue& value);
    // Returns the previous delay.
    virtual std::uint32_t setWriteDelay(std::uint32_t milliseconds);

    // A setup parameter is always persistent.
    void setSetup(bool flag);
    void setPersistent(bool flag);
    void setNoDelayValue(const ParameterValue& value);

    bool isSetup() const { return setup_; }
    std::uint32_t writeDelay() const { return writeDelay_; }

private:
    ParameterValue write(const ParameterValue& value);

    std::unique_ptr<ParameterValue> noDelayValue_;
    std::uint32_t writeDelay_ = 0;
    bool persistent_ = false;
    bool setup_ = false;
};
