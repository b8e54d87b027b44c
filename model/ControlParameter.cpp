#include "model/ControlParameter.h"

#include "link/GenericProtocol.h"

void ControlParameter::setValue(const ParameterValue& value) {
    if (value == getValue() || !isValidValue(value))
        return;
    sendValue(value);
}

bool ControlParameter::isPersistent() const {
    return persistent_;
}

bool ControlParameter::isRestorable(bool includeSetup) const {
    return persistent_ && (includeSetup || !setup_);
}

void ControlParameter::sendValue(const ParameterValue& value) {
    if (value == getValue())
        return;
    storeIfChanged(write(value));
}

void ControlParameter::forceValue(const ParameterValue& value) {
    if (!isValidValue(value))
        return;
    assignValue(write(value));
    notify();
}

std::uint32_t ControlParameter::setWriteDelay(std::uint32_t milliseconds) {
    std::swap(writeDelay_, milliseconds);
    return milliseconds;
}

void ControlParameter::setSetup(bool flag) {
    setup_ = flag;
    if (flag)
        persistent_ = true;
}

void ControlParameter::setPersistent(bool flag) {
    persistent_ = flag;
}

void ControlParameter::setNoDelayValue(const ParameterValue& value) {
    noDelayValue_ = std::make_unique<ParameterValue>(value);
}

ParameterValue ControlParameter::write(const ParameterValue& value) {
    const bool immediate = noDelayValue_ && *noDelayValue_ == value;
    return protocol().writeAndRead(ownId(), value, immediate ? 0 : writeDelay_);
}
