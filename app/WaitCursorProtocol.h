#pragma once

#include "link/ProtocolDecorator.h"

// The top of the connected stack: a write, which waits for the unit to take the value and answer,
// shows the wait cursor.
class WaitCursorProtocol : public ProtocolDecorator {
public:
    using ProtocolDecorator::ProtocolDecorator;

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;
};
