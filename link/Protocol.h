#pragma once

#include "link/GenericProtocol.h"

class ProtocolImplementation;

// The bridge from the interface to a replaceable implementation; checks bulk answers.
class Protocol : public GenericProtocol {
public:
    explicit Protocol(ProtocolImplementation& implementation) : implementation_(implementation) {}

    DeviceStatus status() override;
    void setIdleCommand(IdleCommand* command) override;
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    ParameterValue read(const ParameterId& id) override;
    // Fails unless the answer holds exactly the ids asked for; callers pass an empty map.
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override;
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;

private:
    ProtocolImplementation& implementation_;
};
