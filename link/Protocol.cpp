#include "link/Protocol.h"

#include "link/ProtocolException.h"
#include "link/ProtocolImplementation.h"

DeviceStatus Protocol::status() {
    return implementation_.status();
}

void Protocol::setIdleCommand(IdleCommand* command) {
    implementation_.setIdleCommand(command);
}

void Protocol::write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) {
    implementation_.write(id, value, delayMs);
}

ParameterValue Protocol::read(const ParameterId& id) {
    return implementation_.read(id);
}

void Protocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    implementation_.readMany(ids, values);
    if (ids.size() < values.size())
        throw ProtocolException("The device returned some unasked for parameters");
    for (const auto& id : ids)
        if (!values.contains(id))
            throw ProtocolException("The device returned some parameters that were not asked for.");
}

ParameterValue Protocol::writeAndRead(const ParameterId& id, const ParameterValue& value,
                                      std::uint32_t delayMs) {
    return implementation_.writeAndRead(id, value, delayMs);
}
