#include "link/ProtocolImplementation.h"

#include "link/IdleCommand.h"

void ProtocolImplementation::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    for (const auto& id : ids)
        values[id] = read(id);
}

void ProtocolImplementation::runIdleWhenDue(std::uint64_t nowMs) {
    if (idleCommand_ != nullptr)
        idleCommand_->runWhenDue(nowMs);
}

ParameterValue ProtocolImplementation::writeAndRead(const ParameterId& id,
                                                    const ParameterValue& value,
                                                    std::uint32_t delayMs) {
    write(id.previous(), value, delayMs);
    return read(id);
}
