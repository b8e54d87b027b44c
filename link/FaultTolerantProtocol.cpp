#include "link/FaultTolerantProtocol.h"

#include "link/ProtocolException.h"

template <typename Exchange> auto FaultTolerantProtocol::repeat(Exchange exchange) {
    for (std::uint32_t failures = 0;;) {
        try {
            return exchange();
        } catch (const ProtocolException&) {
            if (++failures >= attempts_)
                throw;
        }
    }
}

void FaultTolerantProtocol::write(const ParameterId& id, const ParameterValue& value,
                                  std::uint32_t delayMs) {
    repeat([&] { inner().write(id, value, delayMs); });
}

ParameterValue FaultTolerantProtocol::read(const ParameterId& id) {
    return repeat([&] { return inner().read(id); });
}

void FaultTolerantProtocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    repeat([&] { inner().readMany(ids, values); });
}

ParameterValue FaultTolerantProtocol::writeAndRead(const ParameterId& id,
                                                   const ParameterValue& value,
                                                   std::uint32_t delayMs) {
    return repeat([&] { return inner().writeAndRead(id, value, delayMs); });
}
