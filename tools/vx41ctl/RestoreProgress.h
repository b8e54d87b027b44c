#pragma once

#include <cstddef>
#include <ostream>

#include "link/ProtocolDecorator.h"

// Counts the writes of a restore on their way to the unit and shows how far it has come on one
// terminal line.
class RestoreProgress : public ProtocolDecorator {
public:
    RestoreProgress(GenericProtocol& inner, std::ostream& terminal, std::size_t expected)
        : ProtocolDecorator(inner), terminal_(terminal), expected_(expected) {}

    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;
    // Ends the progress line.
    void finish();

private:
    void show();

    std::ostream& terminal_;
    std::size_t expected_;
    std::size_t written_ = 0;
};
