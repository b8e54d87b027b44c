#pragma once

#include <cstdint>

#include "link/DeviceStatus.h"
#include "model/ParameterIdSet.h"
#include "model/ParameterValueMap.h"

class IdleCommand;

// Base of the line-level implementations behind a Protocol: the serial line or a simulated unit.
class ProtocolImplementation {
public:
    ProtocolImplementation() = default;
    ProtocolImplementation(const ProtocolImplementation&) = delete;
    ProtocolImplementation& operator=(const ProtocolImplementation&) = delete;
    virtual ~ProtocolImplementation() = default;

    virtual DeviceStatus status() = 0;
    virtual void write(const ParameterId& id, const ParameterValue& value,
                       std::uint32_t delayMs) = 0;
    virtual ParameterValue read(const ParameterId& id) = 0;
    // One read per id, in order.
    virtual void readMany(const ParameterIdSet& ids, ParameterValueMap& values);

    void setIdleCommand(IdleCommand* command) { idleCommand_ = command; }
    // Runs the idle command, if any, when it is due (see IdleCommand).
    void runIdleWhenDue(std::uint64_t nowMs);
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs);

private:
    IdleCommand* idleCommand_ = nullptr;
};
