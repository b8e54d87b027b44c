#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/ProtocolDecorator.h"
#include "link/ProtocolException.h"

// Passes every call to the protocol below and keeps a log of what was asked, so a test can check
// the traffic a model operation causes: every write with its delay, every read, every bulk read
// with its ids, and one line per write or bulk read in order ("w (7b, 0) 1", "m 27 ids").
// failWrites and failReads make exchanges fail as a broken line would; duringReadMany runs inside
// every bulk read, as work done while the line waits would.
class RecordingProtocol : public ProtocolDecorator {
public:
    struct Write {
        ParameterId id;
        ParameterValue value;
        std::uint32_t delayMs;
    };

    using ProtocolDecorator::ProtocolDecorator;

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override {
        record(id, value, delayMs);
        ProtocolDecorator::write(id, value, delayMs);
    }
    ParameterValue read(const ParameterId& id) override {
        reads.push_back(id);
        return ProtocolDecorator::read(id);
    }
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override {
        requests.push_back(ids);
        log.push_back("m " + std::to_string(ids.size()) + " ids");
        if (duringReadMany)
            duringReadMany();
        if (failReads)
            throw ProtocolException("no answer");
        ProtocolDecorator::readMany(ids, values);
    }
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override {
        record(id, value, delayMs);
        return ProtocolDecorator::writeAndRead(id, value, delayMs);
    }

    void clear() {
        writes.clear();
        reads.clear();
        requests.clear();
        log.clear();
    }

    std::vector<Write> writes;
    std::vector<ParameterId> reads;
    std::vector<ParameterIdSet> requests;
    std::vector<std::string> log;
    bool failWrites = false;
    bool failReads = false;
    std::function<void()> duringReadMany;

private:
    void record(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) {
        if (failWrites)
            throw ProtocolException("line down");
        writes.push_back({id, value, delayMs});
        log.push_back("w " + id.toString() + " " + std::to_string(value.toInt16()));
    }
};
