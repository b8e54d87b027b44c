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

// Each attempt fills a map of its own: what a damaged answer left behind (an id nobody asked for,
// say) would otherwise fail every later attempt too.
void FaultTolerantProtocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    const ParameterValueMap answer = repeat([&] {
        ParameterValueMap attempt;
        inner().readMany(ids, attempt);
        return attempt;
    });
    for (const auto& [id, value] : answer)
        values.insert_or_assign(id, value);
}

ParameterValue FaultTolerantProtocol::writeAndRead(const ParameterId& id,
                                                   const ParameterValue& value,
                                                   std::uint32_t delayMs) {
    return repeat([&] { return inner().writeAndRead(id, value, delayMs); });
}
