#pragma once

#include "link/ProtocolImplementation.h"

// A unit held in memory: a write under previous(id) is stored under next of it, the read id again,
// so that a write followed by a read meets the same entry.
class DummyProtocol : public ProtocolImplementation {
public:
    DeviceStatus status() override;
    // The delay is ignored: there is nothing to wait for.
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    // An id never written reads as the empty value.
    ParameterValue read(const ParameterId& id) override;

    const ParameterValueMap& values() const { return values_; }

protected:
    ParameterValueMap& storage() { return values_; }

private:
    ParameterValueMap values_;
};
