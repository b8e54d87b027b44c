#pragma once

#include <string>
#include <vector>

#include "link/ProtocolDecorator.h"

// Passes every call to the protocol below and keeps a log of what was asked, so a test can check
// the traffic a model operation causes.
class RecordingProtocol : public ProtocolDecorator {
public:
    struct Write {
        ParameterId id;
        ParameterValue value;
        std::uint32_t delayMs;
    };

    using ProtocolDecorator::ProtocolDecorator;

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override {
        writes.push_back({id, value, delayMs});
        ProtocolDecorator::write(id, value, delayMs);
    }
    ParameterValue read(const ParameterId& id) override {
        reads.push_back(id);
        return ProtocolDecorator::read(id);
    }
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override {
        requests.push_back(ids);
        ProtocolDecorator::readMany(ids, values);
    }
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override {
        writes.push_back({id, value, delayMs});
        return ProtocolDecorator::writeAndRead(id, value, delayMs);
    }

    std::vector<Write> writes;
    std::vector<ParameterId> reads;
    std::vector<ParameterIdSet> requests;
};
