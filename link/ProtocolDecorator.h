#pragma once

#include "link/GenericProtocol.h"

// Base of the layers that wrap another protocol; forwards everything it does not change.
class ProtocolDecorator : public GenericProtocol {
public:
    explicit ProtocolDecorator(GenericProtocol& inner) : inner_(inner) {}

    DeviceStatus status() override { return inner_.status(); }
    void setIdleCommand(IdleCommand* command) override { inner_.setIdleCommand(command); }
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override {
        inner_.write(id, value, delayMs);
    }
    ParameterValue read(const ParameterId& id) override { return inner_.read(id); }
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override {
        inner_.readMany(ids, values);
    }
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override {
        return inner_.writeAndRead(id, value, delayMs);
    }

protected:
    GenericProtocol& inner() const { return inner_; }

private:
    GenericProtocol& inner_;
};
