#pragma once

#include <cstdint>

#include "link/ProtocolDecorator.h"

// Repeats an exchange that failed with a ProtocolException, from the start, up to attempts times
// in all; other failures (of the port, say) pass at once. Only the values of a bulk read's
// successful attempt reach the caller.
class FaultTolerantProtocol : public ProtocolDecorator {
public:
    FaultTolerantProtocol(GenericProtocol& inner, std::uint32_t attempts)
        : ProtocolDecorator(inner), attempts_(attempts) {}

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    ParameterValue read(const ParameterId& id) override;
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override;
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;

private:
    template <typename Exchange> auto repeat(Exchange exchange);

    std::uint32_t attempts_;
};
