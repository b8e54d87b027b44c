#include "app/WaitCursorProtocol.h"

#include "app/WaitCursor.h"

void WaitCursorProtocol::write(const ParameterId& id, const ParameterValue& value,
                               std::uint32_t delayMs) {
    WaitCursor waiting;
    ProtocolDecorator::write(id, value, delayMs);
}

ParameterValue WaitCursorProtocol::writeAndRead(const ParameterId& id, const ParameterValue& value,
                                                std::uint32_t delayMs) {
    WaitCursor waiting;
    return ProtocolDecorator::writeAndRead(id, value, delayMs);
}
