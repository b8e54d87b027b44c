#pragma once

#include <cstdint>

#include "link/DeviceStatus.h"
#include "model/ParameterIdSet.h"
#include "model/ParameterValueMap.h"

class IdleCommand;

// What every user of the device link calls. Failures of an exchange are ProtocolExceptions.
class GenericProtocol {
public:
    GenericProtocol() = default;
    GenericProtocol(const GenericProtocol&) = delete;
    GenericProtocol& operator=(const GenericProtocol&) = delete;
    virtual ~GenericProtocol() = default;

    // Never throws: failures become an Error or Not Responding status.
    virtual DeviceStatus status() = 0;
    // Installs the work to run while the line waits; null removes it. Not owned.
    virtual void setIdleCommand(IdleCommand* command) = 0;
    virtual void write(const ParameterId& id, const ParameterValue& value,
                       std::uint32_t delayMs) = 0;
    virtual ParameterValue read(const ParameterId& id) = 0;
    virtual void readMany(const ParameterIdSet& ids, ParameterValueMap& values) = 0;
    // Writes under previous(id), then reads id back.
    virtual ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                        std::uint32_t delayMs) = 0;
};
