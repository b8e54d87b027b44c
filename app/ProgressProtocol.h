#pragma once

#include <functional>

#include "link/ProtocolDecorator.h"

// Tells a listener after every exchange with the unit, so that long work (a full refresh at a
// low speed, a save, a restore) can show how far it got between two exchanges.
class ProgressProtocol : public ProtocolDecorator {
public:
    using Listener = std::function<void()>;

    using ProtocolDecorator::ProtocolDecorator;

    // An empty listener stops the reports.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    ParameterValue read(const ParameterId& id) override;
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override;
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;

private:
    void report() const;

    Listener listener_;
};
