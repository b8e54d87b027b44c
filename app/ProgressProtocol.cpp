#include "app/ProgressProtocol.h"

void ProgressProtocol::write(const ParameterId& id, const ParameterValue& value,
                             std::uint32_t delayMs) {
    ProtocolDecorator::write(id, value, delayMs);
    report();
}

ParameterValue ProgressProtocol::read(const ParameterId& id) {
    ParameterValue value = ProtocolDecorator::read(id);
    report();
    return value;
}

void ProgressProtocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    ProtocolDecorator::readMany(ids, values);
    report();
}

ParameterValue ProgressProtocol::writeAndRead(const ParameterId& id, const ParameterValue& value,
                                              std::uint32_t delayMs) {
    ParameterValue result = ProtocolDecorator::writeAndRead(id, value, delayMs);
    report();
    return result;
}

void ProgressProtocol::report() const {
    if (listener_)
        listener_();
}
